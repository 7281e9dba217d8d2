// The ionisation window and the K-L-M line spectrum: stage and line tick counts at both
// screen sizes, the vacancy the inverting discs leave, the wave's wiggle surviving
// resets, and the items that disable each other.
#include <gtest/gtest.h>

#include <cmath>

#include "ChapterWorld.h"
#include "chapters/analysis/FormREMCHA.h"
#include "chapters/analysis/FormREMCHA2.h"

namespace chaptertest {
namespace {

using chapters::TFormREMCHA;
using chapters::TFormREMCHA2;

template <class T>
struct Opened {
    World world;
    T& f;
    Opened(int w, int h) : world(w, h, {T::kClassName}), f(world.get<T>()) {
        f.ShowModal();
        world.app.flush();
    }
    void menu(const char* item) {
        ASSERT_EQ(world.backend.clickMenu(f, item), ui::headless::MenuResult::Done) << item;
    }
    // Ticks until the timer stops itself; the number of ticks it ran.
    int runOut(ui::Timer& t, int limit = 1000) {
        int n = 0;
        while (t.enabled() && n < limit) {
            world.backend.advance(50);
            ++n;
        }
        return n;
    }
    uint32_t pixel(int x, int y) const { return f.buffer().at(x, y); }
};

TEST(Ionisation, StagesAt1024x768) {
    Opened<TFormREMCHA> o(1024, 768);
    TFormREMCHA& f = o.f;
    EXPECT_EQ(f.width(), 1024);
    EXPECT_EQ(f.centreX, 512);
    EXPECT_EQ(f.centreY, 344);
    EXPECT_EQ(f.innerLeftX, 366);
    EXPECT_EQ(f.outerLeftX, 211);
    EXPECT_EQ(f.PaintBoxHaupt.width(), 1014);
    EXPECT_EQ(f.PaintBoxHaupt.height(), 708);
    EXPECT_TRUE(f.Start.enabled());
    EXPECT_FALSE(f.ZurckfallendesElektron1.enabled());
    // The inner electron on the left is blue before it is knocked out.
    EXPECT_EQ(o.pixel(f.innerLeftX, f.centreY + 10), ui::toPixel(ui::clBlue));

    o.menu("Start");
    EXPECT_FALSE(f.Start.enabled());
    EXPECT_EQ(o.runOut(f.TimerPri), 127);
    // 62 scattering steps (6 down, 1 right), 59 ejection steps (2 down, 4 left).
    EXPECT_EQ(f.primaryEndX, 366 + 62);
    EXPECT_EQ(f.primaryEndY, 310 + 62 * 6);
    EXPECT_EQ(f.ejectedEndX, 366 - 59 * 4);
    EXPECT_EQ(f.ejectedEndY, 344 + 59 * 2);
    EXPECT_TRUE(f.ZurckfallendesElektron1.enabled());
    EXPECT_FALSE(f.Start.enabled());
    // The vacancy: the inner electron shows in inverted colours.
    EXPECT_EQ(o.pixel(f.innerLeftX, f.centreY + 10), ui::toPixel(ui::clYellow));

    o.menu("ZurckfallendesElektron1");
    o.world.backend.advance(50);
    EXPECT_FALSE(f.ZurckfallendesElektron1.enabled());  // its first tick takes it away
    EXPECT_EQ(1 + o.runOut(f.TimerZurueck), 31);
    EXPECT_EQ(f.fallingX, 211 + 31 * 5);
    EXPECT_EQ(f.waveTravel, 211 + 31 * 6);
    EXPECT_EQ(f.waveWiggle, frame::Round(20 * std::sin(f.waveTravel / 4.0)));
    EXPECT_FALSE(f.Start.enabled());
    EXPECT_FALSE(f.ZurckfallendesElektron1.enabled());
}

TEST(Ionisation, At800x600TheFigureFollowsTheScreen) {
    Opened<TFormREMCHA> o(800, 600);
    TFormREMCHA& f = o.f;
    EXPECT_EQ(f.centreX, 400);
    EXPECT_EQ(f.centreY, 260);
    EXPECT_EQ(f.innerRadius, 114);
    EXPECT_EQ(f.outerRadius, 235);
    o.menu("Start");
    EXPECT_EQ(o.runOut(f.TimerPri), 96);  // 50 approach steps, 47 scattering steps
    o.menu("ZurckfallendesElektron1");
    EXPECT_EQ(f.outerLeftX, 165);
    EXPECT_EQ(o.runOut(f.TimerZurueck), 24);  // 165 + 5k passes 400 - 114 - 2
}

TEST(Ionisation, WaveStartsAtTheOuterRadiusAndItsWiggleSurvivesResets) {
    Opened<TFormREMCHA> o(1024, 768);
    TFormREMCHA& f = o.f;
    o.menu("Start");
    o.runOut(f.TimerPri);
    o.menu("ZurckfallendesElektron1");
    o.world.backend.advance(50);
    // The first segment begins at x = centreY - 30, y = outerRadius, in dark red.
    EXPECT_EQ(o.pixel(f.centreY - 30, f.outerRadius - 1), ui::toPixel(200));
    o.runOut(f.TimerZurueck);
    const int wiggle = f.waveWiggle;
    ASSERT_NE(wiggle, 0);

    o.menu("Neu");
    EXPECT_TRUE(f.Start.enabled());
    EXPECT_FALSE(f.ZurckfallendesElektron1.enabled());
    EXPECT_EQ(f.primaryY, -20);
    EXPECT_EQ(f.fallingX, f.outerLeftX);
    EXPECT_EQ(f.waveTravel, f.outerLeftX);
    EXPECT_EQ(f.waveDrift, 0);
    EXPECT_EQ(f.waveWiggle, wiggle);
    EXPECT_EQ(o.pixel(f.innerLeftX, f.centreY + 10), ui::toPixel(ui::clBlue));  // the atom is whole again

    // Closing in the middle of stage 1 stops it and gives the start item back; showing
    // again repaints and resets everything but the wiggle.
    o.menu("Start");
    o.world.backend.advance(500);
    ASSERT_TRUE(o.world.backend.pressEscape(f));
    EXPECT_FALSE(f.visible());
    EXPECT_FALSE(f.TimerPri.enabled());
    EXPECT_TRUE(f.Start.enabled());
    EXPECT_FALSE(f.ZurckfallendesElektron1.enabled());
    f.ShowModal();
    o.world.app.flush();
    EXPECT_EQ(f.primaryY, -20);
    EXPECT_EQ(f.waveWiggle, wiggle);
}

TEST(LineSpectrum, LinesEndAfterTheirTicksAt1024x768) {
    Opened<TFormREMCHA2> o(1024, 768);
    TFormREMCHA2& f = o.f;
    EXPECT_EQ(f.centreX, 512);
    EXPECT_EQ(f.centreY, 344);
    o.menu("KLinien1");
    o.menu("LLinien1");
    o.menu("MAlpha");
    const TFormREMCHA2::Line order[] = {TFormREMCHA2::Kg, TFormREMCHA2::Kb, TFormREMCHA2::Ka,
                                        TFormREMCHA2::La, TFormREMCHA2::Lb, TFormREMCHA2::Ma};
    const int expected[] = {51, 46, 32, 24, 35, 19};
    int ended[6] = {};
    for (int tick = 1; tick <= 60; ++tick) {
        o.world.backend.advance(50);
        for (int l = 0; l < 6; ++l)
            if (!ended[l] && !f.timer(order[l]).enabled()) ended[l] = tick;
    }
    for (int l = 0; l < 6; ++l) EXPECT_EQ(ended[l], expected[l]) << "line " << l;
    // L(Alpha) stops at its end test, short of its move bound and its to point.
    EXPECT_EQ(f.lines[TFormREMCHA2::La].electron.x, 341 + 24 * 2);
    EXPECT_EQ(f.lines[TFormREMCHA2::Kg].electron.x, 386);
    // Every line ran only its own timer: the items stay disabled until a reset.
    for (const char* item : {"KLinien1", "KAlpha", "KBeta", "KGamma", "LLinien1", "LAlpha", "LBeta", "MAlpha"})
        EXPECT_FALSE(f.item(item).enabled()) << item;
}

TEST(LineSpectrum, GroupAndSingleItemsDisableEachOtherUntilReset) {
    Opened<TFormREMCHA2> o(800, 600);
    TFormREMCHA2& f = o.f;
    o.menu("KBeta");
    EXPECT_FALSE(f.KBeta.enabled());
    EXPECT_FALSE(f.KLinien1.enabled());
    EXPECT_TRUE(f.KAlpha.enabled());
    EXPECT_TRUE(f.KGamma.enabled());
    EXPECT_TRUE(f.LLinien1.enabled());
    EXPECT_TRUE(f.TimerKb.enabled());
    EXPECT_FALSE(f.TimerKa.enabled());
    o.menu("LLinien1");
    EXPECT_FALSE(f.LAlpha.enabled());
    EXPECT_FALSE(f.LBeta.enabled());
    EXPECT_TRUE(f.TimerLa.enabled() && f.TimerLb.enabled());
    EXPECT_TRUE(f.MAlpha.enabled());
    o.world.backend.advance(5000);
    EXPECT_FALSE(f.KLinien1.enabled());  // ending a line gives nothing back
    EXPECT_EQ(o.world.backend.clickMenu(f, "KLinien1"), ui::headless::MenuResult::Disabled);

    o.menu("Neu");
    for (const char* item : {"KLinien1", "KAlpha", "KBeta", "KGamma", "LLinien1", "LAlpha", "LBeta", "MAlpha"})
        EXPECT_TRUE(f.item(item).enabled()) << item;

    o.menu("KLinien1");
    EXPECT_FALSE(f.KAlpha.enabled() || f.KBeta.enabled() || f.KGamma.enabled());
    EXPECT_TRUE(f.TimerKg.enabled() && f.TimerKb.enabled() && f.TimerKa.enabled());
    o.menu("Ende");
    EXPECT_FALSE(f.TimerKg.enabled() || f.TimerKb.enabled() || f.TimerKa.enabled());
    EXPECT_TRUE(f.KLinien1.enabled() && f.KAlpha.enabled());
}

// Red pixels where the period after the last "Linien" of the K text stands.
int periodPixels(Opened<TFormREMCHA2>& o) {
    TFormREMCHA2& f = o.f;
    ui::Canvas& c = f.PaintBoxHaupt.canvas;
    c.font.height = 24;
    const int x0 = f.centreX - 390 + c.TextWidth("Linien");
    const int x1 = f.centreX - 390 + c.TextWidth("Linien.");
    int n = 0;
    for (int y = 150; y < 150 + 24; ++y)
        for (int x = x0; x < x1; ++x) n += o.pixel(x, y) == ui::toPixel(ui::clRed);
    return n;
}

TEST(LineSpectrum, ThePeriodAfterLinienShowsOnceKAlphaHasEnded) {
    Opened<TFormREMCHA2> o(1024, 768);
    TFormREMCHA2& f = o.f;
    o.menu("KGamma");
    o.runOut(f.TimerKg);
    EXPECT_EQ(periodPixels(o), 0);
    o.menu("KAlpha");
    o.runOut(f.TimerKa);
    EXPECT_GT(periodPixels(o), 0);
    o.menu("KBeta");  // a later "Linien" leaves the period standing
    o.runOut(f.TimerKb);
    EXPECT_GT(periodPixels(o), 0);
    o.menu("Neu");
    EXPECT_EQ(periodPixels(o), 0);
}

TEST(LineSpectrum, WigglesSurviveTheRepaintAndThePaintBoxTakesTheScreenSize) {
    Opened<TFormREMCHA2> o(1280, 1024);
    TFormREMCHA2& f = o.f;
    EXPECT_EQ(f.width(), 1024);
    EXPECT_EQ(f.height(), 768);
    EXPECT_EQ(f.PaintBoxHaupt.width(), 1270);
    EXPECT_EQ(f.PaintBoxHaupt.height(), 964);
    o.menu("MAlpha");
    o.runOut(f.TimerMa);
    const auto& m = f.lines[TFormREMCHA2::Ma];
    EXPECT_EQ(m.waveTravel, 512 - 320 + 19 * 2);
    EXPECT_EQ(m.waveWiggle, frame::Round(5 * std::sin(m.waveTravel / 4.0)));
    const int wiggle = m.waveWiggle;
    o.menu("Neu");
    EXPECT_EQ(m.waveTravel, 512 - 320);
    EXPECT_EQ(m.waveWiggle, wiggle);
    EXPECT_EQ(m.electron.x, m.from.x);
}

}  // namespace
}  // namespace chaptertest
