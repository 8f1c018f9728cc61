// The batch runner on numbers no surface or count can have: the script stops with a message
// (exit status 2), nothing undefined happens, and ordinary numbers still work.
#include "batch/batch_runner.h"

#include <gtest/gtest.h>

#include <sstream>

#include "test_util.h"

namespace vt {
namespace {

struct Outcome {
    int status;
    std::string out, err;
};

Outcome RunScript(const std::string& script) {
    test::TempDir home;
    test::WriteFile(home.File("s.vts"), script);
    std::ostringstream out, err;
    const int status = RunBatch(home.File("s.vts"), home.Path(), out, err);
    return {status, out.str(), err.str()};
}

TEST(BatchRunner, NumbersBeyondTheirRangeStopTheScript) {
    for (const char* line : {"wheel 1e40", "wheel -5000", "surface 1e40 300", "surface 640 -1",
                             "surface 40000 300", "mnuZoomIn 6.7e36", "wheel nan"}) {
        const Outcome r = RunScript(std::string(line) + "\necho not reached\n");
        EXPECT_EQ(r.status, 2) << line;
        EXPECT_EQ(r.out.find("not reached"), std::string::npos) << line;
        EXPECT_FALSE(r.err.empty()) << line;
    }
    const Outcome ok =
        RunScript("surface 800 600\nwheel 3\nwheel -3\nclick 1e300 -1e300\necho done\n");
    EXPECT_EQ(ok.status, 0) << ok.err;
    EXPECT_NE(ok.out.find("done"), std::string::npos);
}

}  // namespace
}  // namespace vt
