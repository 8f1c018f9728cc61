// vtengine: reads the job file and the machine definition it names and writes the NC program.
// Without arguments it works on temp.pp and pp.nc in the current folder; `vtengine JOB OUT` names
// them.
#include <cstdio>
#include <string>

#include "base/text_file.h"
#include "job.h"
#include "machine.h"
#include "post.h"

int main(int argc, char** argv) {
    std::string jobPath = "temp.pp", outPath = "pp.nc";
    if (argc == 3) {
        jobPath = argv[1];
        outPath = argv[2];
    } else if (argc != 1) {
        std::fprintf(stderr, "usage: vtengine [JOB OUT]\n");
        return 2;
    }
    try {
        std::string text;
        if (!vt::ReadFileBytes(jobPath, text))
            throw vt::engine::EngineError("cannot read the job file " + jobPath);
        vt::engine::Job job = vt::engine::ParseJob(text);
        vt::engine::Machine machine = vt::engine::LoadMachine(job.machineFile);
        std::string program;
        for (const std::string& line : vt::engine::Generate(job, machine))
            program += line + "\n";
        std::string error;
        if (!vt::WriteFileAtomic(outPath, program, &error)) throw vt::engine::EngineError(error);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "vtengine: %s: %s\n", jobPath.c_str(), e.what());
        return 1;
    }
    return 0;
}
