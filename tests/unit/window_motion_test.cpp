#include <gtest/gtest.h>

#include "mainwindow/window_motion.h"

namespace vx {
namespace {

const Box kWorkArea{0, 0, 1280, 994};

TEST(Snapping, EdgesCloserThan20PixelsJumpToTheWorkArea) {
    struct Case {
        const char* what;
        Box proposed;
        int margin;
        Box expected;
    };
    const Case cases[] = {
        {"15 from the left edge", {15, 300, 415, 500}, 0, {0, 300, 400, 500}},
        {"25 from the left edge stays", {25, 300, 425, 500}, 0, {25, 300, 425, 500}},
        {"19 left of the left edge", {-19, 300, 381, 500}, 0, {0, 300, 400, 500}},
        {"20 from the left edge stays", {20, 300, 420, 500}, 0, {20, 300, 420, 500}},
        {"near the top", {300, 10, 700, 210}, 0, {300, 0, 700, 200}},
        {"near the right", {870, 300, 1270, 500}, 0, {880, 300, 1280, 500}},
        {"near the bottom", {300, 780, 700, 980}, 0, {300, 794, 700, 994}},
        {"into a corner", {8, 790, 408, 990}, 0, {0, 794, 400, 994}},
        {"with the click-through margin", {12, 300, 412, 500}, 4, {-4, 300, 396, 500}},
        {"right with the margin", {870, 300, 1270, 500}, 4, {884, 300, 1284, 500}},
        {"in the middle nothing moves", {500, 400, 900, 600}, 0, {500, 400, 900, 600}},
    };
    for (const auto& c : cases) {
        const Box snapped = SnapToWorkArea(c.proposed, kWorkArea, c.margin);
        EXPECT_EQ(snapped.left, c.expected.left) << c.what;
        EXPECT_EQ(snapped.top, c.expected.top) << c.what;
        EXPECT_EQ(snapped.right, c.expected.right) << c.what;
        EXPECT_EQ(snapped.bottom, c.expected.bottom) << c.what;
    }
}

TEST(Fade, StepsByTheLevelTable) {
    const std::pair<int, int> cases[] = {{90, 2}, {80, 2}, {70, 2}, {60, 3}, {50, 3}, {40, 3},
                                         {30, 4}, {20, 4}, {10, 4}, {95, 2}, {99, 2}, {0, 4}};
    for (const auto& [opacity, step] : cases) EXPECT_EQ(FadeStep(opacity), step) << opacity;
}

TEST(Fade, Opacity70RisesBy2EveryTickToOpaqueAndFallsBackWhenTheMouseLeaves) {
    Fade fade;
    ASSERT_TRUE(StartFade(fade, 70));
    EXPECT_FALSE(StartFade(fade, 70)) << "one fade at a time";
    int shown = 70;
    int ticks = 0;
    while (shown < 100) {
        const int before = shown;
        shown = FadeTick(fade, 70, true);
        EXPECT_EQ(shown, std::min(before + 2, 100));
        ASSERT_LT(++ticks, 100);
    }
    EXPECT_EQ(ticks, 15);
    EXPECT_EQ(FadeTick(fade, 70, true), 100) << "stays opaque while the mouse is over it";
    EXPECT_TRUE(fade.timerOn);
    while (fade.timerOn) {
        shown = FadeTick(fade, 70, false);
        ASSERT_LT(++ticks, 200);
    }
    EXPECT_EQ(shown, 70);
    EXPECT_FALSE(fade.running);
}

TEST(Fade, EveryOpacityBelow100EndsItsFade) {
    for (int opacity : {0, 1, 50, 91, 99}) {
        Fade fade;
        ASSERT_TRUE(StartFade(fade, opacity));
        int ticks = 0;
        while (FadeTick(fade, opacity, true) < 100) ASSERT_LT(++ticks, 60) << opacity;
        while (fade.timerOn) {
            FadeTick(fade, opacity, false);
            ASSERT_LT(++ticks, 120) << opacity;
        }
        EXPECT_EQ(fade.opacity, opacity);
    }
    Fade opaque;
    EXPECT_FALSE(StartFade(opaque, 100));
}

TEST(Fade, ReenteringWhileItFallsRisesFromWhereItIs) {
    Fade fade;
    StartFade(fade, 50);
    for (int i = 0; i < 20; ++i) FadeTick(fade, 50, true);
    EXPECT_EQ(fade.opacity, 100);
    FadeTick(fade, 50, false);
    FadeTick(fade, 50, false);
    EXPECT_EQ(fade.opacity, 94);
    ASSERT_TRUE(StartFade(fade, 50));
    EXPECT_EQ(FadeTick(fade, 50, true), 97);
}

}  // namespace
}  // namespace vx
