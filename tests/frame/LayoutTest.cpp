// Round, div, the placement patterns at the four screen sizes, the colour ramp.
#include <gtest/gtest.h>

#include "frame/Backdrop.h"
#include "frame/Layout.h"

namespace {

using frame::Pattern;
using frame::place;
using frame::Placement;

TEST(Round, HalvesGoToTheEvenNeighbour) {
    EXPECT_EQ(frame::Round(2.5 * 1.0), 2);
    EXPECT_EQ(frame::Round(3.5 * 1.0), 4);
    EXPECT_EQ(frame::Round(-2.5), -2);
    EXPECT_EQ(frame::Round(-3.5), -4);
    EXPECT_EQ(frame::Round(62.5), 62);
    EXPECT_EQ(frame::Round(716.8), 717);
    EXPECT_EQ(frame::Round(198.4 + 20), 218);
    EXPECT_EQ(frame::Round(-0.4), 0);
    EXPECT_EQ(frame::Round(1e300), 2147483647);
    EXPECT_EQ(frame::div(-7, 2), -3);
    EXPECT_EQ(frame::div(7, 2), 3);
}

void expectAt(const Placement& p, int l, int t, int w, int h) {
    EXPECT_EQ(p.left, l);
    EXPECT_EQ(p.top, t);
    EXPECT_EQ(p.width, w);
    EXPECT_EQ(p.height, h);
}

TEST(Placement, ScreenUpTo1024) {
    for (Pattern p : {Pattern::UpTo1024Inclusive, Pattern::UpTo1024Exclusive}) {
        const Placement s800 = place(p, 800, 600);
        expectAt(s800, 0, 0, 800, 600);
        EXPECT_EQ(s800.scale.x, 1.0);
        EXPECT_EQ(s800.scale.y, 1.0);
        const Placement s1024 = place(p, 1024, 768);
        expectAt(s1024, 0, 0, 1024, 768);
        EXPECT_EQ(s1024.scale.x, 1.28);
        EXPECT_EQ(s1024.scale.y, 1.28);
        const Placement s1280 = place(p, 1280, 1024);
        expectAt(s1280, 128, 128, 1024, 768);
        EXPECT_EQ(s1280.scale.x, 1.28);
        expectAt(place(p, 1600, 1200), 288, 216, 1024, 768);
    }
    // On a 1024 screen that is not 768 high the two tests differ.
    const Placement inc = place(Pattern::UpTo1024Inclusive, 1024, 600);
    const Placement exc = place(Pattern::UpTo1024Exclusive, 1024, 600);
    expectAt(inc, 0, 0, 1024, 600);
    EXPECT_EQ(inc.scale.y, 1.0);
    expectAt(exc, 0, -84, 1024, 768);
    EXPECT_EQ(exc.scale.y, 1.28);
}

TEST(Placement, PicturePages) {
    expectAt(place(Pattern::PicturePage, 800, 600), 12, 15, 775, 540);
    expectAt(place(Pattern::PicturePage, 1024, 768), 124, 99, 775, 540);
    expectAt(place(Pattern::PicturePage, 1280, 1024), 490, 227, 775, 540);
    expectAt(place(Pattern::PicturePage, 1600, 1200), 810, 315, 775, 540);
    expectAt(place(Pattern::PhotoPage, 1024, 768), 54, 40, 915, 688);
    expectAt(place(Pattern::PhotoPage, 800, 600), 54, 40, 692, 520);
    expectAt(place(Pattern::PhotoPage, 1280, 1024), 12, 40, 1256, 944);
    expectAt(frame::photoPageBeside(1280, 1024), 470, 212, 800, 600);
    expectAt(frame::photoPageBeside(1600, 1200), 790, 300, 800, 600);
}

TEST(Placement, PreparationStepsAtTheRightEdge) {
    expectAt(place(Pattern::PreparationStep, 800, 600), 230, 100, 560, 450);
    expectAt(place(Pattern::PreparationStep, 1024, 768), 273, 121, 717, 576);
    expectAt(place(Pattern::PreparationStep, 1280, 1024), 520, 249, 717, 576);
    expectAt(place(Pattern::PreparationStep, 1600, 1200), 830, 337, 717, 576);
    EXPECT_EQ(place(Pattern::PreparationStep, 1023, 768).scale.x, 1023 / 800.0);
}

TEST(Placement, SmallSideWindowInfoAndFullScreen) {
    const Placement small = place(Pattern::SmallSideWindow, 800, 600);
    expectAt(small, 465, 0, 340, 350);
    EXPECT_EQ(small.scale.x, 0.5);
    expectAt(place(Pattern::SmallSideWindow, 1024, 768), 594, 0, 430, 420);
    EXPECT_EQ(place(Pattern::SmallSideWindow, 1024, 768).scale.x, 0.64);
    expectAt(place(Pattern::SmallSideWindow, 1280, 1024), 850, 302, 430, 420);
    expectAt(place(Pattern::SmallSideWindow, 1600, 1200), 1170, 390, 430, 420);
    expectAt(place(Pattern::InfoWindow, 800, 600), 0, 50, 800, 500);
    expectAt(place(Pattern::InfoWindow, 1024, 768), 112, 134, 800, 500);
    const Placement full = place(Pattern::FullScreen, 1280, 1024);
    expectAt(full, 0, 0, 1280, 1024);
    EXPECT_EQ(full.scale.x, 1.6);
    EXPECT_DOUBLE_EQ(full.scale.y, 1024 / 600.0);
}

TEST(Backdrop, RampRunsFromYellowThroughGreyToBlue) {
    EXPECT_EQ(frame::rampColour(1), 0x0000FEFFu);
    EXPECT_EQ(frame::rampColour(128), 0x007F7F80u);
    EXPECT_EQ(frame::rampColour(255), 0x00FE0001u);
    for (int i = 1; i <= 255; ++i) {
        const ui::TColor c = frame::rampColour(i);
        EXPECT_EQ(int(c & 0xFF), 256 - i) << i;
        EXPECT_EQ(int((c >> 8) & 0xFF), 255 - i) << i;
        EXPECT_EQ(int((c >> 16) & 0xFF), i - 1) << i;
    }
}

}  // namespace
