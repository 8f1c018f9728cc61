// Helpers of the engine tests: building a tool path and making its program for a machine file.
#pragma once

#include <string>
#include <vector>

#include "commands/drawing_files.h"
#include "job.h"
#include "machine.h"
#include "nc/job_file.h"
#include "post.h"
#include "test_util.h"

namespace vt::engine::et {

inline const std::string kPost = VT_POST_DIR;

inline std::string MachineFile(const std::string& name) {
    return kPost + "/" + name + ".vtp";
}

inline void Add(ToolPath& t, int16_t typ, double x, double y, double cx = 0, double cy = 0,
                double r = 0, std::string text = "") {
    ToolPathOp o;
    o.Typ = typ;
    o.X = x;
    o.Y = y;
    o.CX = cx;
    o.CY = cy;
    o.R = r;
    o.NCText = std::move(text);
    o.Label = "P" + std::to_string(t.Count + 1);
    t.Ops.push_back(o);
    ++t.Count;
}

struct Options {
    bool numbers = true, comments = true;
    JobValues job;
};

// The job file for the machine definition file.
inline std::string Job(const ToolPath& t, const std::string& machineFile, const JobValues& v = {}) {
    JobOptions o;
    o.machineFile = machineFile;
    o.settings = v;
    return JobFileText(t, o);
}

// The program's lines for the machine definition file.
inline std::vector<std::string> Lines(const ToolPath& t, const std::string& machineFile,
                                      const Options& o = {}) {
    JobOptions job;
    job.machineFile = machineFile;
    job.blockNumbers = o.numbers;
    job.comments = o.comments;
    job.settings = o.job;
    return Generate(ParseJob(JobFileText(t, job)), LoadMachine(machineFile));
}

// The same as one text; `dropO` leaves out the ISO O line, the control's directory entry that
// rs274 does not read.
inline std::string Text(const ToolPath& t, const std::string& machineFile, const Options& o = {},
                        bool dropO = false) {
    std::string out;
    for (const std::string& l : Lines(t, machineFile, o))
        if (!dropO || l.empty() || l[0] != 'O') out += l + "\n";
    return out;
}

// The tool path of a shipped example drawing (examples/NAME.vgm).
inline ToolPath ExamplePath(const std::string& name) {
    vt::test::FakeUi ui;
    vt::test::TempDir home;
    vt::Program p(ui, home.Path());
    ui.program = &p;
    std::string file = std::string(VT_EXAMPLES) + "/" + name + ".vgm";
    EXPECT_TRUE(LoadGEO(p, file)) << name;
    EXPECT_GT(p.toolPath.Count, 0) << name;
    return p.toolPath;
}

}  // namespace vt::engine::et
