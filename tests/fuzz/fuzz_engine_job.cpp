// Fuzz target: the engine reading any job file and writing it for a machine of every dialect's
// features.
#include "fuzz_util.h"
#include "job.h"
#include "machine.h"
#include "post.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace vt::engine;
    static const std::string machine = [] {
        const std::string path = vt::fuzz::Folder() + "/fuzz.vtp";
        std::ofstream(path)
            << "[MACHINE]\nNamn=Fuzz\n[FORMATS]\nX=1\nY=2\n[FORMATDEFS]\n1=3,1,1,0,0,1,0,0\n"
               "2=4,2,0,1,1,0,0,0\n[POST]\nBlockNumbers=yes\nComments=yes\nBlockMax=200\n"
               "ArcCW={G} {X} {Y} {R}\nArcCCW=CC {CX} {CY}|C {X} {Y} {I} {J}\n"
               "StartBlocks=T{T2}{T2}|S{S} {SPINDLE}|{COOLANT}\nStartRetract={G} H{T} {Z}\n"
               "EndBlocks={COOLANTOFF}|M30\nDrillDefine=DEF|+Q={SAFEZ} {BOTTOM} {PECK}\n"
               "Drill=G81 {X} {Y} Z{CYCLEZ} R{CYCLER} {F}\nDrillEnd=G80\n"
               "CommentReplace=([)]\nCommentGuard=MSG|ABORT\nStartLines=%|O{PGM} {TITLE}\n";
        return path;
    }();
    try {
        Job job = ParseJob(std::string(reinterpret_cast<const char*>(data), size));
        job.machineFile = machine;
        (void)Generate(job, LoadMachine(machine));
    } catch (const EngineError&) {
    }
    return 0;
}
