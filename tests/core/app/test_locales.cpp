// The core under real desktop locales: every number read or written, and every expression, gives
// exactly what it gives in the C locale; only the numbers shown to the person take the user's
// separator.
#include <gtest/gtest.h>

#include <filesystem>

#include "app/number_format.h"
#include "app/program.h"
#include "app/settings.h"
#include "base/numbers.h"
#include "base/text_file.h"
#include "commands/drawing_files.h"
#include "commands/value_input.h"
#include "files/dxf_reader.h"
#include "files/fields.h"
#include "files/old_geo.h"
#include "files/rit_file.h"
#include "locale_util.h"
#include "nc/job_file.h"
#include "test_util.h"

namespace vt {
namespace {

using test::FakeUi;
using test::TempDir;

// Everything the core reads and writes, as text, in the locale the process is in.
std::vector<std::string> Work() {
    std::vector<std::string> out;
    TempDir dir;
    FakeUi ui;
    Program p(ui, dir.Path());
    ui.program = &p;
    std::string flange = std::string(VT_EXAMPLES) + "/flange.vgm";
    LoadGEO(p, flange);
    out.push_back(NativeText(p.doc));
    out.push_back(JobFileText(p.toolPath, {"m.vtp", true, true, {{"Feed", "2,5"}}}));
    out.push_back(RitBytes(p.doc));
    ExportRit(p, dir.File("f.rit"));
    ImportRit(p, dir.File("f.rit"));
    out.push_back(NativeText(p.doc));
    WriteFileOrThrow(dir.File("old.geo"),
                     "P,1.5,2.25\r\nL,0.5,-3.75,0.7853981634\r\nC,1,2,3.125\r\n");
    LoadOldGEO(p, dir.File("old.geo"));
    out.push_back(NativeText(p.doc));
    for (const auto& e : std::filesystem::directory_iterator(std::string(VT_TEST_DATA) + "/dxf"))
        if (e.path().extension() == ".dxf" && e.path().stem() != "r2000_binary") {
            LoadDXF(p, e.path().string());
            out.push_back(e.path().filename().string() + "\n" + NativeText(p.doc));
        }
    WriteFileOrThrow(dir.File("veltrum32.ini"), "[History]\r\nR=2.5\r\nV=12,75\r\n");
    LoadSettings(p);
    out.push_back(PlainNumber(p.history.R) + " " + PlainNumber(p.history.V));
    for (const char* e : {"2.5*2", "1,5+0,25", "45*sin(30)", "0.1+0.2"})
        out.push_back(PlainNumber(ParseExpression(p, e), 15));
    out.push_back(WriteNumber(1e-6) + " " + WriteNumber(22.5) + " " + WriteNumber(-1234.5678));
    out.push_back(std::to_string(FieldNumber("22.5") == 22.5));
    out.push_back(FormatRounded(2.5, 3, ',') + " " + FieldText(0.1 + 0.2, ',') + " " +
                  FormatRounded(1e300, 3, '.').substr(0, 5));
    return out;
}

TEST(Locales, TheCoreReadsAndWritesAsInTheCLocale) {
    ASSERT_FALSE(test::LocaleFolder().empty()) << "localedef could not build the test locales";
    const std::vector<std::string> c = Work();
    EXPECT_EQ(c[c.size() - 1], "2,5 0,3 10000");
    for (const std::string& name : test::TestLocales()) {
        test::ScopedLocale locale(name);
        ASSERT_TRUE(locale.Ok()) << name;
        const std::vector<std::string> got = Work();
        ASSERT_EQ(got.size(), c.size()) << name;
        for (std::size_t i = 0; i < c.size(); ++i)
            EXPECT_EQ(got[i], c[i]) << name << ", item " << i;
    }
}

// What a person types takes "." and "," whatever the desktop; what is shown uses its separator.
TEST(Locales, TypedValuesUnderADecimalComma) {
    test::ScopedLocale locale("sv_SE.UTF-8");
    ASSERT_TRUE(locale.Ok());
    TempDir dir;
    FakeUi ui;
    Program p(ui, dir.Path());
    ui.program = &p;
    p.decimalSeparator = ',';
    EXPECT_EQ(ParseExpression(p, "2.5"), 2.5);
    EXPECT_EQ(ParseExpression(p, "1,5+0,25"), 1.75);
    EXPECT_EQ(Fmt(p, 22.5, 3), "22,5");
}

}  // namespace
}  // namespace vt
