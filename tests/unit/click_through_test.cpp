#include <gtest/gtest.h>

#include "mainwindow/click_through.h"

namespace vx {
namespace {

TEST(ClickThrough, ContrastColourThreeTimesOver) {
    // v: 0 -> 30 -> 60 -> 90; 210 -> 240 -> 15 -> 45; 255 -> 0 -> 30 -> 60; 200 -> 230 -> 25 -> 55.
    const std::pair<uint32_t, uint32_t> cases[] = {
        {0x000000, 0x5A5A5A}, {0xFFFFFF, 0x3C3C3C}, {0x00D2FFFF & 0xFFFFFF, 0x2D3C3C},
        {0xC8D2FF, 0x372D3C}};
    for (const auto& [colour, contrast] : cases)
        EXPECT_EQ(ContrastColour(colour), contrast) << std::hex << colour;
}

TEST(ClickThrough, TheConfirmationKeepsOffTheMainWindow) {
    const Box work{0, 0, 1280, 994};
    struct Case {
        const char* what;
        Box main;
        Box expected;
    };
    const Case cases[] = {
        {"window far away", {0, 0, 300, 200}, {880, 794, 1280, 994}},
        {"window in the corner: above it", {1000, 850, 1280, 994}, {880, 630, 1280, 830}},
        {"window at the top-right reaching down", {1000, 100, 1280, 900}, {880, 920, 1280, 1120}},
    };
    for (const auto& c : cases) {
        const Box place = ConfirmationPlace(work, 400, 200, c.main);
        EXPECT_EQ(place.left, c.expected.left) << c.what;
        EXPECT_EQ(place.top, c.expected.top) << c.what;
        EXPECT_EQ(place.bottom, c.expected.bottom) << c.what;
    }
}

}  // namespace
}  // namespace vx
