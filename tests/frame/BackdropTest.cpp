// The backdrops as they land in a window's pixels.
#include <gtest/gtest.h>

#include "frame/Backdrop.h"
#include "ui/Application.h"
#include "ui/Form.h"
#include "ui/headless/Headless.h"

namespace {

struct Surface : ui::Form {
    explicit Surface(ui::Application& a) : ui::Form(a, "S", "S") {}
};

struct Painted {
    ui::Application app{1024, 768};
    ui::headless::HeadlessBackend backend{app};
    Surface f{app};
    Painted() {
        app.create(f);
        f.setClientSize(1000, 800);
        f.setColor(ui::clBlack);
        f.Show();
        app.flush();
    }
    ui::TColor at(int x, int y) const { return ui::fromPixel(f.buffer().at(x, y)); }
};

TEST(Backdrop, StripesEveryThreePixelsInRampColours) {
    Painted p;
    frame::paintStripes(p.f.canvas, 500);
    EXPECT_EQ(p.at(10, 3), frame::rampColour(1));
    EXPECT_EQ(p.at(10, 300), frame::rampColour(100));
    EXPECT_EQ(p.at(499, 300), frame::rampColour(100));
    EXPECT_EQ(p.at(502, 300), ui::clBlack);  // the round cap ends 1.5 pixels past the end point
    EXPECT_EQ(p.at(10, 301), frame::rampColour(100));  // width 3: one row above and below ...
    EXPECT_EQ(p.at(10, 302), frame::rampColour(101));  // ... until the next line paints over it
    EXPECT_EQ(p.at(10, 765), frame::rampColour(255));
    EXPECT_EQ(p.at(10, 767), ui::clBlack);
}

TEST(Backdrop, LightStripesFadeFromWhiteToYellow) {
    Painted p;
    frame::paintLightStripes(p.f.canvas, 300);
    EXPECT_EQ(p.at(5, 2), 0xFEFFFFu);
    EXPECT_EQ(p.at(5, 510), 0x00FFFFu);
}

TEST(Backdrop, DiscsAreContinuousFromYellowToBlue) {
    Painted p;
    frame::paintDisc(p.f.canvas, 500, 400);
    // A pixel at distance r keeps the colour of the last ring whose 10-pixel stroke
    // reaches it: ring (r + 5) div 4.
    EXPECT_EQ(p.at(500, 400), frame::rampColour(1));
    EXPECT_EQ(p.at(500 + 400, 400), frame::rampColour(101));
    EXPECT_EQ(p.at(500, 400 - 300), frame::rampColour(76));
    // No gaps between the rings: along a diagonal every pixel got a ring colour.
    for (int d = 10; d < 350; ++d) EXPECT_NE(p.at(500 + d, 400 + d), ui::clBlack) << d;
    Painted q;
    frame::paintEllipses(q.f.canvas, 500, 400);
    EXPECT_EQ(q.at(500 + 40, 400), frame::rampColour(12));   // half width 4i, pen 16
    EXPECT_EQ(q.at(500, 400 + 100), frame::rampColour(10));  // half height 10i
    Painted r;
    frame::paintSmallDisc(r.f.canvas, 500, 400);
    EXPECT_EQ(r.at(500 + 200, 400), frame::rampColour(103));  // radius 2i, pen 12
}

}  // namespace
