// The main window's placement brought onto the screens there are now.

#include "gui/app/window_fit.h"

#include <gtest/gtest.h>

namespace {

const QMargins Frame = WindowFit::DefaultFrame;

// The whole window, frame included, lies inside the area.
bool inside(const QRect& window, const QRect& area)
{
    return area.contains(QRect(window.topLeft(), window.size().grownBy(Frame)));
}

TEST(WindowFit, APlacementIsBroughtInsideAndShrunkOnlyWhereItDoesNotFit)
{
    const QRect screen1024(0, 0, 1024, 740);  // 1024 x 768 with a panel of 28 pixels
    const struct {
        const char* what;
        QRect stored;
        QRect expected;
    } cases[] = {
        {"fits: kept as it is", {67, 67, 833, 633}, {67, 67, 833, 633}},
        {"origin off to the left and above", {-500, -300, 833, 633}, {0, 0, 833, 633}},
        {"origin far off to the right and below", {3000, 2000, 833, 633}, {1024 - 841, 740 - 667, 833, 633}},
        {"larger than the screen", {10, 10, 1900, 1150}, {0, 0, 1016, 706}},
        {"wider only", {100, 20, 1500, 500}, {0, 20, 1016, 500}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const QRect placed = WindowFit::fitOntoScreens(c.stored, {screen1024}, true);
        EXPECT_EQ(placed, c.expected);
        EXPECT_TRUE(inside(placed, screen1024));
    }
}

TEST(WindowFit, AWindowOfARemovedOrOtherScreenComesToTheOneItOverlapsMost)
{
    const QRect primary(0, 0, 1920, 1040);
    const QRect right(1920, 0, 1280, 1024);
    // Stored on the right-hand screen: it stays there.
    EXPECT_EQ(WindowFit::fitOntoScreens({2000, 100, 800, 600}, {primary, right}, true), QRect(2000, 100, 800, 600));
    // The right-hand screen is gone: the window comes back onto the primary one.
    const QRect back = WindowFit::fitOntoScreens({2000, 100, 800, 600}, {primary}, true);
    EXPECT_TRUE(inside(back, primary));
    EXPECT_EQ(back.size(), QSize(800, 600));
    // Straddling both: it goes where most of it is.
    EXPECT_TRUE(inside(WindowFit::fitOntoScreens({1800, 100, 800, 600}, {primary, right}, true), right));
}

TEST(WindowFit, TheDefaultKeepsItsSizeWhereItFitsAndTheStatusBarStaysVisibleWhereItDoesNot)
{
    const MainPlacement defaults;
    const struct {
        const char* what;
        double dpi;
        QRect area;
        QSize expected;
    } cases[] = {
        {"1920 x 1080", 96, {0, 0, 1920, 1050}, {833, 633}},
        {"1024 x 768", 96, {0, 0, 1024, 740}, {833, 633}},
        // 125 %: the toolkit counts 1366 x 768 as 1093 x 614, less its panel.
        {"1366 x 768 at 125 %", 96, {0, 0, 1093, 590}, {833, 556}},
        {"800 x 600", 96, {0, 0, 800, 572}, {792, 538}},
        {"a dense screen at 144 dpi", 144, {0, 0, 2560, 1400}, {1250, 950}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const QRect placed = WindowFit::fitOntoScreens(WindowFit::placementInPixels(defaults, c.dpi), {c.area}, true);
        EXPECT_EQ(placed.size(), c.expected);
        EXPECT_TRUE(inside(placed, c.area));
    }
}

TEST(WindowFit, WhereTheProgramCannotPlaceItsWindowOnlyTheSizeIsFitted)
{
    const QRect placed = WindowFit::fitOntoScreens({-500, 3000, 1900, 1150}, {{0, 0, 1024, 740}}, false);
    EXPECT_EQ(placed, QRect(-500, 3000, 1016, 706));
}

}  // namespace
