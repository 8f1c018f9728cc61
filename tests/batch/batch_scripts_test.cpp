// Runs every tests/batch/NAME.vts through `veltrum32 --batch` in a fresh program folder with the
// shipped machines (seeded from NAME.home/ when there is one) and compares the output with
// NAME.vts.out: words must match, numbers within 1e-9 relative.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <sstream>

#include "locale_util.h"
#include "test_util.h"

namespace fs = std::filesystem;

namespace {

std::vector<std::string> Scripts() {
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(VT_BATCH_DIR))
        if (e.path().extension() == ".vts") names.push_back(e.path().stem().string());
    std::sort(names.begin(), names.end());
    return names;
}

bool SameWord(const std::string& a, const std::string& b) {
    if (a == b) return true;
    char *ea, *eb;
    double x = std::strtod(a.c_str(), &ea), y = std::strtod(b.c_str(), &eb);
    if (a.empty() || b.empty() || *ea || *eb) return false;
    return std::fabs(x - y) <= 1e-9 * std::max({1.0, std::fabs(x), std::fabs(y)});
}

std::vector<std::string> Lines(const std::string& s) {
    std::vector<std::string> out;
    std::stringstream ss(s);
    std::string l;
    while (std::getline(ss, l))
        out.push_back(l);
    return out;
}

std::vector<std::string> Words(const std::string& line) {
    std::vector<std::string> out;
    std::stringstream ss(line);
    std::string w;
    while (ss >> w)
        out.push_back(w);
    return out;
}

// Runs a script in a fresh program folder; `env` goes before the command (a locale).
std::string RunScript(const std::string& name, const std::string& env, int& status,
                      std::string& err) {
    const fs::path dir = VT_BATCH_DIR;
    vt::test::TempDir home;
    // The shipped machines and the example plug-in, as in the build's program folder.
    fs::copy(VT_POST_DIR, home.File("POST"));
    fs::copy(VT_PLUGIN_DIR, home.File("plugins"));
    if (fs::exists(dir / (name + ".home")))
        fs::copy(dir / (name + ".home"), home.Path(), fs::copy_options::recursive);
    const std::string outFile = home.File("stdout.txt"), errFile = home.File("stderr.txt");
    std::string cmd = "cd '" + dir.string() + "' && " + env + " '" + VT_VELTRUM32 + "' --batch '" +
                      name + ".vts' --home '" + home.Path() + "' >'" + outFile + "' 2>'" + errFile +
                      "'";
    status = std::system(cmd.c_str());
    err = vt::test::ReadFile(errFile);
    return vt::test::ReadFile(outFile);
}

class BatchScript : public ::testing::TestWithParam<std::string> {};

TEST_P(BatchScript, OutputMatches) {
    const std::string name = GetParam();
    const fs::path dir = VT_BATCH_DIR;
    int status = 0;
    std::string err;
    std::string actual = RunScript(name, "LC_ALL=C", status, err);
    const fs::path expectedFile = dir / (name + ".vts.out");
    if (std::getenv("VT_BATCH_UPDATE")) vt::test::WriteFile(expectedFile.string(), actual);
    EXPECT_EQ(WEXITSTATUS(status), 0) << err;
    ASSERT_TRUE(fs::exists(expectedFile)) << "no " << expectedFile << "; the output was:\n"
                                          << actual;
    std::vector<std::string> want = Lines(vt::test::ReadFile(expectedFile.string())),
                             got = Lines(actual);
    for (std::size_t i = 0; i < std::max(want.size(), got.size()); ++i) {
        std::string w = i < want.size() ? want[i] : "<none>",
                    g = i < got.size() ? got[i] : "<none>";
        std::vector<std::string> ww = Words(w), gw = Words(g);
        bool same = ww.size() == gw.size();
        for (std::size_t k = 0; same && k < ww.size(); ++k)
            same = SameWord(ww[k], gw[k]);
        ASSERT_TRUE(same) << name << " line " << i + 1 << "\n  expected: " << w
                          << "\n  actual:   " << g << "\nwhole output:\n"
                          << actual;
    }
}

// Batch mode meets the desktop's locale as the window does: on a decimal-comma desktop only the
// numbers shown to the person (the information texts) change.
TEST(BatchLocales, SameWorkOnEveryDesktop) {
    const std::string folder = vt::test::LocaleFolder();
    ASSERT_FALSE(folder.empty()) << "localedef could not build the test locales";
    const std::string expected =
        vt::test::ReadFile((fs::path(VT_BATCH_DIR) / "locale.vts.out").string());
    for (const std::string& locale : vt::test::TestLocales()) {
        int status = 0;
        std::string err;
        const std::string got =
            RunScript("locale", "LOCPATH='" + folder + "' LC_ALL=" + locale, status, err);
        EXPECT_EQ(WEXITSTATUS(status), 0) << locale << ": " << err;
        // The information texts in the desktop's separator: "," for Swedish and German, "."
        // where Qt's is not a single byte (Arabic).
        const bool comma = locale.rfind("ar_", 0) != 0;
        std::string want;
        bool analys = false;
        for (const std::string& line : Lines(expected)) {
            std::string l = line;
            if (line == "ANALYS") analys = true;
            if (line == "END") analys = false;
            for (std::size_t i = 1; analys && comma && i + 1 < l.size(); ++i)
                if (l[i] == '.' && std::isdigit(static_cast<unsigned char>(l[i - 1])) &&
                    std::isdigit(static_cast<unsigned char>(l[i + 1])))
                    l[i] = ',';
            want += l + "\n";
        }
        EXPECT_EQ(got, want) << locale;
    }
}

INSTANTIATE_TEST_SUITE_P(Scripts, BatchScript, ::testing::ValuesIn(Scripts()),
                         [](const ::testing::TestParamInfo<std::string>& i) { return i.param; });

}  // namespace
