// The raster-scan page: the serpentine raster, the strips, start, stop, reset, close.
#include <gtest/gtest.h>

#include "ProgramFixture.h"
#include "chapters/rem/FormREMRaster.h"

namespace {

using chapters::TFormREMRaster;

struct RasterPage : Started {
    TFormREMRaster& r;
    explicit RasterPage(int w = 1024, int h = 768) : Started(w, h), r(get<TFormREMRaster>()) {
        menu("TFormHaupt", "Programmstarten1");
        menu("TFormMetallo", "StrahlengangbeimREM1");
    }
    void ticks(int n) { backend.advance(50 * n); }
};

TEST(Raster, LayoutAt800) {
    RasterPage p(800, 600);
    EXPECT_EQ(p.r.StripHeight, 18);
    EXPECT_EQ(p.r.ImageBild.left(), 500);
    EXPECT_EQ(p.r.ImageBild.top(), 50);
    EXPECT_EQ(p.r.ImageBild.width(), 250);
    EXPECT_EQ(p.r.ImageBild.height(), 175);
    for (int k = 1; k <= 10; ++k) {
        EXPECT_EQ(p.r.strip(k).top(), 50 + (k - 1) * 18);
        EXPECT_EQ(p.r.strip(k).width(), 250);
    }
    EXPECT_TRUE(p.r.modal());
    EXPECT_FALSE(p.r.TimerRast1.enabled());
}

TEST(Raster, AFrameTakes46TicksAndRepeats) {
    RasterPage p;
    p.menu("TFormREMRaster", "NeuStarten1");
    p.ticks(5);
    EXPECT_EQ(p.r.ScanLine, 2);
    EXPECT_EQ(p.r.BeamOffsetX, 40);
    p.ticks(4);
    EXPECT_EQ(p.r.ScanLine, 2);
    EXPECT_EQ(p.r.BeamOffsetX, 20);
    p.ticks(36);
    EXPECT_EQ(p.r.ScanLine, 10);
    EXPECT_EQ(p.r.BeamOffsetX, 20);
    EXPECT_EQ(p.r.strip(10).width(), 0);
    p.ticks(1);  // the reset tick covers the picture again
    EXPECT_EQ(p.r.ScanLine, 1);
    EXPECT_EQ(p.r.BeamOffsetX, 20);
    EXPECT_EQ(p.r.BeamRowY, 416);
    for (int k = 1; k <= 10; ++k) EXPECT_EQ(p.r.strip(k).width(), 320) << k;
    EXPECT_TRUE(p.r.TimerRast1.enabled());
    p.ticks(46);
    EXPECT_EQ(p.r.ScanLine, 1);
    EXPECT_EQ(p.r.BeamOffsetX, 20);
}

TEST(Raster, At128EveryStripIsFullyUncoveredAt1ASliverOfTwoStays) {
    {
        RasterPage p;
        p.menu("TFormREMRaster", "NeuStarten1");
        p.ticks(9);
        EXPECT_EQ(p.r.strip(1).width(), 0);
        EXPECT_EQ(p.r.strip(1).left(), p.r.ImageBild.left() + 320);
        EXPECT_EQ(p.r.strip(2).width(), 0);
    }
    {
        RasterPage p(800, 600);
        p.menu("TFormREMRaster", "NeuStarten1");
        p.ticks(9);
        EXPECT_EQ(p.r.strip(1).width(), 0);
        EXPECT_EQ(p.r.strip(2).width(), 2);  // 250 - 4 x Round(62.5)
        EXPECT_EQ(p.r.strip(2).left(), 500);
    }
}

TEST(Raster, SpotPositionsAt1024) {
    RasterPage p;
    p.menu("TFormREMRaster", "NeuStarten1");
    int minX = 1 << 30, maxX = -1, minY = 1 << 30, maxY = -1;
    for (int i = 0; i < 46; ++i) {
        p.ticks(1);
        if (p.r.BeamOffsetX > 40) continue;
        const int x = frame::Round(155 * p.r.ScaleX + p.r.BeamOffsetX), y = frame::Round(p.r.BeamRowY * p.r.ScaleY);
        minX = std::min(minX, x);
        maxX = std::max(maxX, x);
        minY = std::min(minY, y);
        maxY = std::max(maxY, y);
    }
    EXPECT_EQ(minX, 218);
    EXPECT_EQ(maxX, 238);
    EXPECT_EQ(minY, 532);
    // The row moves down by 3 design units at the end of each odd line.
    EXPECT_EQ(maxY, frame::Round(431 * 1.28));
}

TEST(Raster, StopThenStartBeginsAFreshFrame) {
    RasterPage p;
    p.menu("TFormREMRaster", "NeuStarten1");
    p.ticks(13);
    p.menu("TFormREMRaster", "Neu1");
    const int line = p.r.ScanLine, offset = p.r.BeamOffsetX;
    p.ticks(20);
    EXPECT_EQ(p.r.ScanLine, line);
    EXPECT_EQ(p.r.BeamOffsetX, offset);
    p.menu("TFormREMRaster", "NeuStarten1");
    EXPECT_EQ(p.r.ScanLine, 1);
    EXPECT_EQ(p.r.BeamOffsetX, 20);
    for (int k = 1; k <= 10; ++k) EXPECT_EQ(p.r.strip(k).width(), 320);
    p.ticks(1);
    EXPECT_EQ(p.r.BeamOffsetX, 25);
}

TEST(Raster, DrawingTheBeamTwiceRestoresThePicture) {
    RasterPage p;
    p.menu("TFormREMRaster", "NeuZeichnen1");
    const auto idle = p.r.buffer();
    // Two full frames toggle every beam line an even number of times; the red labels are
    // drawn plainly and stay, so compare below them, outside the picture.
    p.menu("TFormREMRaster", "NeuStarten1");
    p.ticks(92);
    p.menu("TFormREMRaster", "Neu1");
    int diff = 0;
    const auto& now = p.r.buffer();
    for (int y = 540; y < 700; ++y)
        for (int x = 0; x < 480; ++x) diff += now.at(x, y) != idle.at(x, y);
    EXPECT_EQ(diff, 0);
}

TEST(Raster, CloseWhileRunningAndReopenShowsACoveredPictureAndNoBeam) {
    RasterPage p;
    p.menu("TFormREMRaster", "NeuZeichnen1");
    const auto idle = p.backend.captureForm(p.r);
    p.menu("TFormREMRaster", "NeuStarten1");
    p.ticks(17);
    EXPECT_TRUE(p.backend.pressEscape(p.r));
    EXPECT_FALSE(p.r.TimerRast1.enabled());
    EXPECT_FALSE(p.r.visible());
    p.ticks(10);
    p.menu("TFormMetallo", "StrahlengangbeimREM1");
    EXPECT_EQ(p.r.ScanLine, 1);
    for (int k = 1; k <= 10; ++k) EXPECT_EQ(p.r.strip(k).width(), 320);
    p.app.flush();
    EXPECT_EQ(p.backend.captureForm(p.r), idle);
}

}  // namespace
