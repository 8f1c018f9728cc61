// Where the value dialog opens: beside the prompt lines, inside the screen, off the picked point.
#include <gtest/gtest.h>

#include "dialog_placement.h"

namespace vt::gui {
namespace {

TEST(DialogPlacement, BesideThePromptsInsideTheScreenOffThePoint) {
    const QRect screen(0, 0, 1024, 700);
    const QSize size(300, 140);
    struct Case {
        const char* what;
        QRect prompts;
        std::vector<QPoint> avoid;
        std::optional<QPoint> remembered;
        QPoint expected;
        std::vector<QRect> keepClear = {};
    };
    const Case cases[] = {
        {"room on the right", {10, 500, 500, 40}, {}, {}, {517, 500}},
        {"pushed back inside at the bottom", {10, 620, 500, 40}, {}, {}, {517, 560}},
        {"wide prompts: above their right end", {10, 620, 1000, 40}, {}, {}, {710, 472}},
        {"the point there: above their left end", {10, 620, 1000, 40}, {{800, 520}}, {}, {10, 472}},
        {"remembered place", {10, 500, 500, 40}, {}, QPoint(40, 40), {40, 40}},
        {"remembered off the screen", {10, 500, 500, 40}, {}, QPoint(3000, -50), {724, 0}},
        {"remembered over the point", {10, 500, 500, 40}, {{100, 100}}, QPoint(40, 40), {517, 500}},
        {"status bar below: above the right end",
         {10, 600, 500, 40},
         {},
         {},
         {210, 452},
         {{0, 680, 1024, 20}}},
    };
    for (const Case& c : cases) {
        const QPoint at = PlaceDialog(c.prompts, size, screen, c.avoid, c.keepClear, c.remembered);
        EXPECT_EQ(at, c.expected) << c.what;
        EXPECT_TRUE(screen.contains(QRect(at, size))) << c.what;
        for (const QPoint& a : c.avoid)
            EXPECT_FALSE(QRect(at, size).contains(a)) << c.what;
    }
}

}  // namespace
}  // namespace vt::gui
