// The light-microscopy figures: microstructure diagram, beam path at polished and etched
// samples, microscope schematic and wavelength chart. Timelines, end states, the rows
// and columns the rays are drawn at, and the chart geometry at both designed screens.
#include <gtest/gtest.h>

#include "ChapterWorld.h"

namespace chaptertest {
namespace {

using chapters::TFormEWELLENL;
using chapters::TFormGPG;
using chapters::TFormLMSchema;
using chapters::TFormSLicht;

constexpr ui::TColor kIncident = 0x000001;
constexpr ui::TColor kRed = 0x0000FF;

// One window of a fresh program, shown as the overview shows it.
template <class T>
struct Shown {
    World world;
    T& w;
    Shown(int sw, int sh) : world(sw, sh, {T::kClassName}), w(world.get<T>()) {
        w.ShowModal();
        world.app.flush();
    }
    void ms(int n) {
        world.backend.advance(n);
        world.app.flush();
    }
    void click(const char* item) {
        ASSERT_EQ(world.backend.clickMenu(w, item), ui::headless::MenuResult::Done) << item;
        world.app.flush();
    }
};

// ---- Beam path at the polished and etched sample (1 ms timers: one tick per 16 ms frame)

struct Beams : Shown<TFormSLicht> {
    using Shown::Shown;
    void ticks(int n) { ms(16 * n); }
    ui::TColor at(ui::PaintBox& p, int x, int y) { return p.canvas.Pixel(x, y); }
};

TEST(BeamPath, PolishedPanelAt800RowsAndTickCount) {
    Beams b(800, 600);
    ui::PaintBox& p = b.w.PaintBoxAni1;
    const ui::TColor surface = b.at(p, 30, 30);
    b.click("StrahlP");
    EXPECT_EQ(b.w.IncidentY1, 30);
    EXPECT_EQ(b.w.ReflectedY1, 120);
    b.ticks(89);
    EXPECT_EQ(b.w.IncidentY1, 119);
    EXPECT_EQ(b.at(p, 200, 119), kIncident);
    EXPECT_NE(b.at(p, 31, 119), kRed);  // nothing reflected before the front reaches the surface
    b.ticks(1);                          // the tick that reaches row 120 draws reflected row 119
    EXPECT_EQ(b.w.IncidentY1, 120);
    EXPECT_EQ(b.w.ReflectedY1, 119);
    EXPECT_EQ(b.at(p, 201, 119), kRed);
    b.ticks(89);
    EXPECT_EQ(b.w.ReflectedY1, 30);
    EXPECT_TRUE(b.w.TimerAni1.enabled());
    b.ticks(1);  // row 29 drawn, then the timer stops
    EXPECT_EQ(b.w.ReflectedY1, 29);
    EXPECT_FALSE(b.w.TimerAni1.enabled());
    b.ticks(10);
    EXPECT_EQ(b.w.ReflectedY1, 29);
    for (int x = 30; x <= 200; x += 10) {
        EXPECT_EQ(b.at(p, x, 30), surface) << x;  // the incident rays begin at row 31
        EXPECT_EQ(b.at(p, x, 31), kIncident) << x;
        EXPECT_EQ(b.at(p, x, 120), kIncident) << x;
        EXPECT_EQ(b.at(p, x + 1, 29), kRed) << x;
        EXPECT_EQ(b.at(p, x + 1, 119), kRed) << x;
        EXPECT_NE(b.at(p, x + 1, 28), kRed) << x;
    }
}

TEST(BeamPath, At128IncidentRowsRunFrom39To154ReflectedStillEndAt29) {
    Beams b(1280, 1024);
    ASSERT_DOUBLE_EQ(b.w.ScaleY, 1.28);
    ui::PaintBox& p = b.w.PaintBoxAni1;
    EXPECT_EQ(p.width(), 307);
    EXPECT_EQ(p.top(), 307);
    const ui::TColor background = b.at(p, 38, 38);
    b.click("StrahlP");
    EXPECT_EQ(b.w.IncidentY1, 38);
    b.ticks(300);
    EXPECT_FALSE(b.w.TimerAni1.enabled());
    EXPECT_EQ(b.w.IncidentY1, 154);
    EXPECT_EQ(b.w.ReflectedY1, 29);
    EXPECT_EQ(b.at(p, 38, 38), background);
    EXPECT_EQ(b.at(p, 38, 39), kIncident);   // R(30 x 1.28)
    EXPECT_EQ(b.at(p, 256, 154), kIncident);  // R(200 x 1.28), R(120 x 1.28)
    EXPECT_EQ(b.at(p, 40, 29), kRed);         // R(31 x 1.28): the reflected rays reach higher
    EXPECT_EQ(b.at(p, 257, 153), kRed);       // R(201 x 1.28)
}

TEST(BeamPath, RestartDrawsOverTheOldRaysRedrawWipesAndStopsAll) {
    Beams b(800, 600);
    ui::PaintBox& p1 = b.w.PaintBoxAni1;
    const ui::TColor clean = b.at(p1, 31, 29);
    b.click("StrahlP");
    b.ticks(200);
    ASSERT_EQ(b.at(p1, 31, 29), kRed);
    b.click("StrahlP");  // counters afresh, old rays stay
    EXPECT_EQ(b.w.IncidentY1, 30);
    EXPECT_EQ(b.w.ReflectedY1, 120);
    b.ticks(5);
    EXPECT_EQ(b.at(p1, 31, 29), kRed);
    EXPECT_EQ(b.at(p1, 30, 100), kIncident);
    b.click("StrahlG");
    b.click("StrahlengangKorngrenzentzung1");
    b.ticks(20);
    b.click("Strahlengangneu1");
    EXPECT_FALSE(b.w.TimerAni1.enabled());
    EXPECT_FALSE(b.w.TimerAni2.enabled());
    EXPECT_FALSE(b.w.TimerAni3.enabled());
    EXPECT_EQ(b.at(p1, 31, 29), clean);
    EXPECT_NE(b.at(p1, 30, 31), kIncident);
    EXPECT_NE(b.at(b.w.PaintBoxAni2, 30, 32), kIncident);
    EXPECT_NE(b.at(b.w.PaintBoxAni3, 30, 31), kIncident);
    const int y1 = b.w.IncidentY1;
    b.ticks(20);  // nothing more until a start item
    EXPECT_EQ(b.w.IncidentY1, y1);
    EXPECT_NE(b.at(p1, 30, 31), kIncident);
}

TEST(BeamPath, GrainBoundaryPanelDottedAboveTheSurfaceSolidIntoTheGrooves) {
    Beams b(800, 600);
    ui::PaintBox& p = b.w.PaintBoxAni2;
    b.click("StrahlG");
    b.ticks(45);  // two rows a tick while both groups advance
    EXPECT_EQ(b.w.IncidentY2, 120);
    b.ticks(7);  // group B alone to row 127, the last of these ticks draws reflected row 119
    EXPECT_EQ(b.w.IncidentY2, 127);
    EXPECT_EQ(b.w.ReflectedY2, 119);
    for (int y = 31; y <= 120; ++y) {
        const bool odd = y % 2 == 1;
        EXPECT_EQ(b.at(p, 30, y) == kIncident, odd) << y;   // group A on odd rows
        EXPECT_EQ(b.at(p, 80, y) == kIncident, !odd) << y;  // group B on even rows
    }
    // Row 126 already carries the first reflected pixel of this groove ray.
    for (int y : {121, 122, 123, 124, 125, 127}) EXPECT_EQ(b.at(p, 130, y), kIncident) << y;
    EXPECT_EQ(b.at(p, 130, 126), kRed);
    b.ticks(200);
    EXPECT_FALSE(b.w.TimerAni2.enabled());
    EXPECT_EQ(b.w.ReflectedY2, 29);
    // Straight rays go up; the flanks of a groove send theirs off at 45 degrees.
    EXPECT_EQ(b.at(p, 31, 29), kRed);
    EXPECT_EQ(b.at(p, 41 + 100 - 120, 2 + 100), kRed);   // leans left as it climbs
    EXPECT_EQ(b.at(p, 81 - 100 + 119, 7 + 100), kRed);   // leans right
    EXPECT_EQ(b.at(p, 181 - 60 + 118, 7 + 60), kRed);
    EXPECT_EQ(b.at(p, 191 + 100 - 120, 7 + 100), kRed);
}

TEST(BeamPath, GrainSurfacePanelColumnsRoundedOnce) {
    for (auto [sw, sh] : {std::pair{800, 600}, std::pair{1024, 768}}) {
        Beams b(sw, sh);
        ui::PaintBox& p = b.w.PaintBoxAni3;
        const double s = b.w.ScaleX;
        b.click("StrahlengangKorngrenzentzung1");
        b.ticks(400);
        EXPECT_FALSE(b.w.TimerAni3.enabled());
        EXPECT_EQ(b.w.ReflectedY3, 29);
        // Outermost rays: 31 leans left 0.3 px per row, 181 right 0.25 px per row.
        for (int y : {29, 60, 110}) {
            EXPECT_EQ(b.at(p, frame::Round(31 * s + 0.3 * y - 36 * s), y), kRed) << sw << " " << y;
            EXPECT_EQ(b.at(p, frame::Round(181 * s - 0.25 * y + 30 * s), y), kRed) << sw << " " << y;
        }
        // At scale 1 half columns go to the even neighbour: 121 + 0.05 x 110 - 6 = 120.5
        // gives 120, 131 + 5.5 - 6 = 130.5 gives 130.
        if (sw == 800) {
            EXPECT_EQ(b.at(p, 120, 110), kRed);
            EXPECT_NE(b.at(p, 121, 110), kRed);
            EXPECT_EQ(b.at(p, 130, 110), kRed);
            EXPECT_NE(b.at(p, 131, 110), kRed);
        }
    }
}

TEST(BeamPath, ClosingStopsTheTimersAndKeepsTheCounters) {
    Beams b(800, 600);
    b.click("StrahlP");
    b.click("StrahlG");
    b.ticks(10);
    const int y = b.w.IncidentY1;
    ASSERT_TRUE(b.world.backend.pressEscape(b.w));
    EXPECT_FALSE(b.w.visible());
    EXPECT_FALSE(b.w.TimerAni1.enabled());
    EXPECT_FALSE(b.w.TimerAni2.enabled());
    EXPECT_EQ(b.w.IncidentY1, y);
}

// ---- Microscope schematic

struct Schema : Shown<TFormLMSchema> {
    using Shown::Shown;
    void ticks(int n) { ms(50 * n); }
};

TEST(Schematic, RunTakes156TicksAtScale1WithSharedTicks) {
    Schema s(800, 600);
    ASSERT_TRUE(s.w.Lichtquelleanschalten1.enabled());
    s.click("Lichtquelleanschalten1");
    EXPECT_FALSE(s.w.Lichtquelleanschalten1.enabled());
    EXPECT_EQ(s.w.BeamX, 230);
    EXPECT_EQ(s.w.BeamY, 270);
    s.ticks(26);
    EXPECT_EQ(s.w.BeamX, 360);
    EXPECT_EQ(s.w.BeamY, 270);
    s.ticks(1);  // tick 27: the horizontal end reaches 365 and the first vertical piece
    EXPECT_EQ(s.w.BeamX, 365);
    EXPECT_EQ(s.w.BeamY, 275);
    s.ticks(13);  // tick 40: down to 340, then the first step towards the specimen
    EXPECT_EQ(s.w.BeamX, 367);
    EXPECT_EQ(s.w.BeamY, 347);
    s.ticks(13);  // tick 53: (393, 438) by step 3, then back up by step 4
    EXPECT_EQ(s.w.BeamX, 395);
    EXPECT_EQ(s.w.BeamY, 431);
    s.ticks(13);  // tick 66: step 4 ends about (421, 340), step 5 begins
    EXPECT_EQ(s.w.BeamX, 421);
    EXPECT_EQ(s.w.BeamY, 335);
    s.ticks(47);  // tick 113: step 5 reaches 100, step 6 begins
    EXPECT_EQ(s.w.BeamY, 100);
    EXPECT_EQ(s.w.BeamX, 426);
    s.ticks(42);
    EXPECT_TRUE(s.w.TimerLicht.enabled());
    s.ticks(1);  // tick 156
    EXPECT_FALSE(s.w.TimerLicht.enabled());
    EXPECT_EQ(s.w.BeamX + 4, 645);
    EXPECT_FALSE(s.w.Lichtquelleanschalten1.enabled());  // once per opening
    EXPECT_EQ(s.world.backend.clickMenu(s.w, "Lichtquelleanschalten1"), ui::headless::MenuResult::Disabled);
    // The beam on the eyepiece side and the closing captions are on the figure.
    ui::Canvas& c = s.w.PaintBoxHaupt.canvas;
    EXPECT_EQ(c.Pixel(600, 96), ui::TColor(0x80FFFF));
    EXPECT_EQ(c.Pixel(250, 270), ui::TColor(0x80FFFF));
}

TEST(Schematic, At128TheRunTakes203TicksAndEndsAt826) {
    Schema s(1280, 1024);
    s.click("Lichtquelleanschalten1");
    s.ticks(202);
    EXPECT_TRUE(s.w.TimerLicht.enabled());
    s.ticks(1);
    EXPECT_FALSE(s.w.TimerLicht.enabled());
    EXPECT_EQ(s.w.BeamX + 4, 826);
    EXPECT_EQ(s.w.PaintBoxHaupt.canvas.Pixel(820, frame::Round(96 * 1.28)), ui::TColor(0x80FFFF));
}

TEST(Schematic, ClosingStopsResetsAndReopensBare) {
    Schema s(800, 600);
    ui::Canvas& c = s.w.PaintBoxHaupt.canvas;
    const ui::TColor bare = c.Pixel(250, 270);
    s.click("Lichtquelleanschalten1");
    s.ticks(10);
    ASSERT_EQ(c.Pixel(250, 270), ui::TColor(0x80FFFF));
    ASSERT_TRUE(s.world.backend.pressEscape(s.w));
    EXPECT_FALSE(s.w.TimerLicht.enabled());
    EXPECT_TRUE(s.w.Lichtquelleanschalten1.enabled());
    EXPECT_EQ(s.w.BeamX, 230);
    EXPECT_EQ(s.w.BeamY, 270);
    s.w.ShowModal();
    s.world.app.flush();
    EXPECT_EQ(c.Pixel(250, 270), bare);
}

TEST(Schematic, OutlinesTakeThePenColourTheCanvasKeeps) {
    // The stage is outlined in black on the first paint, in the bulb's red afterwards.
    Schema s(800, 600);
    ui::Canvas& c = s.w.PaintBoxHaupt.canvas;
    EXPECT_EQ(c.Pixel(210, 470), ui::clBlack);
    s.w.Repaint();
    EXPECT_EQ(c.Pixel(210, 470), kRed);
}

// ---- Wavelength chart and microstructure diagram

TEST(WavelengthChart, GeometryFromTheWindowSize) {
    Shown<TFormEWELLENL> s(1024, 768);
    const TFormEWELLENL::Chart g = s.w.chart();
    EXPECT_EQ(g.left, 171);
    EXPECT_EQ(g.right, 853);
    EXPECT_EQ(g.top, 248);
    EXPECT_EQ(g.bottom, 497);
    EXPECT_EQ(g.bandLeft, 182);
    ui::Canvas& c = s.w.PaintBoxHaupt.canvas;
    const int mid = (g.top + g.bottom) / 2;
    EXPECT_EQ(c.Pixel(181, mid), ui::clWhite);
    EXPECT_EQ(c.Pixel(182, mid), ui::TColor(0x0000FF));  // red
    EXPECT_EQ(c.Pixel(206, mid), ui::TColor(0xAAFF00));
    EXPECT_EQ(c.Pixel(232, mid), ui::TColor(0xFF00B4));  // violet
    EXPECT_EQ(c.Pixel(233, mid), ui::clWhite);
    EXPECT_EQ(c.Pixel(170, mid), ui::clYellow);
    EXPECT_EQ(s.w.PaintBoxHaupt.width(), 995);
    EXPECT_EQ(s.w.PaintBoxHaupt.height(), 691);
    // At 800 x 600 the same rules give a smaller chart.
    Shown<TFormEWELLENL> small(800, 600);
    const TFormEWELLENL::Chart h = small.w.chart();
    EXPECT_EQ(h.left, 134);
    EXPECT_EQ(h.right, 666);
    EXPECT_EQ(h.top, 185);
    EXPECT_EQ(h.bottom, 380);
    EXPECT_EQ(h.bandLeft, 400 - 258);
}

TEST(Microstructure, RingsCentreAndBoxes) {
    Shown<TFormGPG> s(800, 600);
    EXPECT_EQ(s.w.RingsX, 380);
    EXPECT_EQ(s.w.RingsY, 260);
    Shown<TFormGPG> big(1024, 768);
    EXPECT_EQ(big.w.RingsX, 512 - 26);
    EXPECT_EQ(big.w.RingsY, 384 - 51);
    EXPECT_EQ(big.w.PaintBox5.clientRect(), (ui::Rect{602, 141, 602 + 384, 141 + 96}));
    EXPECT_EQ(big.w.PaintBoxGef.clientRect(), (ui::Rect{410, 320, 410 + 160, 320 + 90}));
    // The funnels lie behind the boxes: amber between the boxes, the box colour on them.
    ui::Canvas& c = s.w.PaintBoxHaupt.canvas;
    EXPECT_EQ(c.Pixel(290, 150), ui::TColor(0x00BFFF));
    EXPECT_EQ(s.w.PaintBox1.canvas.Pixel(5, 40), ui::TColor(0xB7F4FF));
}

}  // namespace
}  // namespace chaptertest
