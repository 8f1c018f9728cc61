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

namespace vt {
namespace {

// A contour from a chain answered in a script: the side and direction on the line after the
// pick; a side that does not fit the chain stops the script.
TEST(BatchRunner, ContourFromAChain) {
    const std::string circle = "mnuCirkeloor\nValuesButton\nvalue 0 0 20\nkey Esc\nmnuZoomScreen\n";
    const Outcome r = RunScript(circle +
                                "mnuNCKedja\nclick 20 0\ncontour inside conventional\n"
                                "dump toolpath\n");
    EXPECT_EQ(r.status, 0) << r.err;
    // A rapid to the lead-in, its quarter arc, the circle 3 mm inside (G2: conventional inside
    // runs clockwise), the overlap and the lead-out.
    EXPECT_NE(r.out.find("TOOLPATH 5\n"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("2 17 0 0 0 17 "), std::string::npos) << r.out;
    const Outcome bad = RunScript(circle + "mnuNCKedja\nclick 20 0\ncontour left\necho no\n");
    EXPECT_EQ(bad.status, 2);
    EXPECT_EQ(bad.out.find("no"), std::string::npos);
}

}  // namespace
}  // namespace vt
