// The preparation steps: the overview column and its five step windows opened beside it,
// the cutting feed, the rising resin, the turning turntable star and the etching page.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ProgramFixture.h"
#include "chapters/lm/FormPEin.h"
#include "chapters/lm/FormPKontrast.h"
#include "chapters/lm/FormPPSchritte.h"
#include "chapters/lm/FormPPol.h"
#include "chapters/lm/FormPSchleif.h"
#include "chapters/lm/FormPTrennen.h"

namespace {

using namespace chapters;
using ui::headless::MenuResult;

constexpr ui::TColor kBackground = 0x0080FFFF;
constexpr ui::TColor kGrey = 0x00808080;
constexpr ui::TColor kSilver = 0x00C0C0C0;
constexpr ui::TColor kResin = 0x008080FF;

// The program with the preparation overview opened from the chapter overview.
struct Preparation : Started {
    TFormPPSchritte& steps;
    explicit Preparation(int w = 800, int h = 600) : Started(w, h), steps(get<TFormPPSchritte>()) {
        menu("TFormHaupt", "Programmstarten1");
        menu("TFormMetallo", "ArbeitsschrittederProbenprparation1");
    }
    void ticks(int n) { backend.advance(50 * n); }
    MenuResult click(ui::Form& f, const char* item) { return backend.clickMenu(f, item); }
};

TEST(PreparationSteps, StepWindowsStandAtTheRightEdgeBesideTheNarrowColumn) {
    const char* items[] = {"Trennen", "Einfassen", "Schleifen1", "Polieren1", "Kontrastierung1"};
    const char* windows[] = {"TFormPTrennen", "TFormPEin", "TFormPSchleif", "TFormPPol", "TFormPKontrast"};
    struct Expect {
        int sw, sh, left, top, width, height;
    };
    for (const Expect e : {Expect{800, 600, 230, 100, 560, 450}, Expect{1024, 768, 273, 121, 717, 576}}) {
        Preparation p(e.sw, e.sh);
        EXPECT_TRUE(p.steps.modal());
        EXPECT_EQ(p.steps.WideLayout, 1);
        EXPECT_EQ(p.steps.PaintBox1.left(), p.steps.X(120));
        for (int k = 0; k < 5; ++k) {
            SCOPED_TRACE(windows[k]);
            ASSERT_EQ(p.click(p.steps, items[k]), MenuResult::Done);
            ui::Form& w = p.form(windows[k]);
            EXPECT_EQ(w.left(), e.left);
            EXPECT_EQ(w.top(), e.top);
            EXPECT_EQ(w.width(), e.width);
            EXPECT_EQ(w.height(), e.height);
            EXPECT_TRUE(w.visible());
            EXPECT_TRUE(w.active());
            EXPECT_FALSE(w.modal());
            EXPECT_EQ(p.steps.WideLayout, 0);
            EXPECT_EQ(p.steps.HaloX, p.steps.X(70));
            EXPECT_EQ(p.steps.PaintBox5.left(), p.steps.X(10));
            EXPECT_EQ(p.steps.PaintBox5.width(), p.steps.X(180));
            EXPECT_EQ(p.steps.PaintBoxSch.width(), p.steps.X(640));  // reaches over the step window
        }
        // All five stay open at once, usable beside the modal overview.
        for (const char* cls : windows) {
            EXPECT_TRUE(p.form(cls).visible()) << cls;
            EXPECT_TRUE(p.form(cls).enabled()) << cls;
        }
        auto& k = p.get<TFormPKontrast>();
        EXPECT_EQ(k.ImagePol.left(), k.X(2));
        EXPECT_EQ(k.ImagePol.top(), k.Y(17));
        EXPECT_EQ(k.ImageAet.left(), k.X(353));
        EXPECT_EQ(k.ImageAet.width(), k.X(200));
        EXPECT_EQ(k.ImageAet.height(), k.Y(150));
    }
}

TEST(PreparationSteps, AStepItemFirstActivatesTheColumnWideThenNarrowsIt) {
    Preparation p;
    std::vector<int> layouts;  // the layout each repaint of the arrows saw
    p.steps.PaintBoxHaupt.OnPaint = [&] {
        layouts.push_back(p.steps.WideLayout);
        p.steps.PaintBoxHauptPaint();
    };
    ASSERT_EQ(p.click(p.steps, "Trennen"), MenuResult::Done);
    auto& cut = p.get<TFormPTrennen>();
    ASSERT_TRUE(cut.active());
    layouts.clear();
    ASSERT_EQ(p.click(p.steps, "Einfassen"), MenuResult::Done);
    EXPECT_EQ(layouts, (std::vector<int>{1, 0}));
    EXPECT_TRUE(p.get<TFormPEin>().active());
    EXPECT_TRUE(cut.visible());
    // Closing a step window makes the column active again, wide.
    ASSERT_TRUE(p.backend.pressEscape(p.get<TFormPEin>()));
    EXPECT_TRUE(p.steps.active());
    EXPECT_EQ(p.steps.WideLayout, 1);
    EXPECT_EQ(p.steps.HaloX, 370);
    EXPECT_EQ(p.steps.PaintBox1.left(), 120);
}

TEST(PreparationSteps, StepWindowsLeftOpenStayUsableWhenTheColumnIsOpenedAgain) {
    // The audit's sequence: overview, a step, Esc the overview, the overview again.
    Preparation p;
    ASSERT_EQ(p.click(p.steps, "Trennen"), MenuResult::Done);
    ASSERT_EQ(p.click(p.steps, "Einfassen"), MenuResult::Done);
    auto& cut = p.get<TFormPTrennen>();
    auto& mount = p.get<TFormPEin>();
    ASSERT_TRUE(p.backend.pressEscape(p.steps));  // the step windows stay open
    EXPECT_TRUE(cut.visible());
    EXPECT_TRUE(cut.enabled());
    p.menu("TFormMetallo", "ArbeitsschrittederProbenprparation1");
    EXPECT_EQ(p.steps.WideLayout, 1);  // reopened wide
    // Both step windows belong to it: they take their menus and Esc beside it at once.
    EXPECT_TRUE(cut.enabled());
    EXPECT_EQ(p.click(mount, "start"), MenuResult::Done);
    EXPECT_TRUE(mount.TimerProbe.enabled());
    EXPECT_TRUE(p.backend.pressEscape(mount));
    EXPECT_FALSE(mount.visible());
    EXPECT_TRUE(p.steps.active());
    // Another window shown modally on top of them still disables them.
    ASSERT_TRUE(p.backend.pressEscape(p.steps));
    p.menu("TFormMetallo", "BedeutungdesGefges1");
    EXPECT_FALSE(cut.enabled());
    EXPECT_EQ(p.click(cut, "Start"), MenuResult::FormDisabled);
    EXPECT_FALSE(p.backend.pressEscape(cut));
    ASSERT_TRUE(p.backend.pressEscape(p.form("TFormGPG")));
    EXPECT_TRUE(cut.enabled());
    p.menu("TFormMetallo", "ArbeitsschrittederProbenprparation1");
    ASSERT_EQ(p.click(p.steps, "Trennen"), MenuResult::Done);
    EXPECT_TRUE(cut.enabled());
    EXPECT_TRUE(cut.active());
    EXPECT_EQ(p.app.zOrder().back(), &cut);
    EXPECT_EQ(p.click(cut, "Start"), MenuResult::Done);
    EXPECT_TRUE(cut.TimerRad.enabled());
    // Closing the column does not take the usable step window back.
    ASSERT_TRUE(p.backend.pressEscape(p.steps));
    EXPECT_TRUE(cut.enabled());
    EXPECT_TRUE(p.get<TFormPPSchritte>().enabled());
}

TEST(Cutting, TheCutIsShownAfterExactly16FeedTicksWithTheDiscStillTurning) {
    Preparation p;
    ASSERT_EQ(p.click(p.steps, "Trennen"), MenuResult::Done);
    auto& t = p.get<TFormPTrennen>();
    ui::Canvas& c = t.PaintBoxHaupt.canvas;
    EXPECT_EQ(c.Pixel(300, 200), kGrey);  // a static spoke at 180 degrees
    EXPECT_EQ(c.Pixel(260, 280), kSilver);  // the bar lies there while the disc stands
    ASSERT_EQ(p.click(t, "Start"), MenuResult::Done);
    EXPECT_EQ(p.click(t, "Start"), MenuResult::Disabled);
    EXPECT_EQ(c.Pixel(260, 280), kBackground);  // the feed timer draws the bar from now on
    p.ticks(1);
    EXPECT_EQ(c.Pixel(300, 200), ui::clWhite);  // the static spokes turn white and stay
    EXPECT_EQ(t.FeedX, 1);
    EXPECT_EQ(t.WheelPhase, 4);
    p.ticks(14);
    EXPECT_EQ(t.FeedX, 15);
    EXPECT_EQ(t.FeedY, 15);
    EXPECT_TRUE(t.TimerVor.enabled());
    EXPECT_EQ(c.Pixel(260, 320), kBackground);  // where the cut-off piece will lie
    p.ticks(1);
    EXPECT_EQ(t.FeedX, 16);
    EXPECT_FALSE(t.TimerVor.enabled());
    EXPECT_TRUE(t.TimerRad.enabled());
    EXPECT_EQ(c.Pixel(260, 320), kSilver);
    EXPECT_EQ(t.WheelPhase, 64);
    p.ticks(10);
    EXPECT_EQ(t.FeedX, 16);
    EXPECT_EQ(t.WheelPhase, 104);
    EXPECT_EQ(c.Pixel(260, 320), kSilver);  // the cut result stays while the disc turns
    EXPECT_EQ(p.click(t, "Start"), MenuResult::Disabled);
    ASSERT_EQ(p.click(t, "NZ"), MenuResult::Done);
    EXPECT_EQ(p.click(t, "Start"), MenuResult::Done);
}

TEST(Cutting, ActivationResetsPhaseAndFeedWithoutErasingAndCloseResetsAll) {
    Preparation p;
    ASSERT_EQ(p.click(p.steps, "Trennen"), MenuResult::Done);
    auto& t = p.get<TFormPTrennen>();
    ASSERT_EQ(p.click(t, "Start"), MenuResult::Done);
    p.ticks(5);
    const ui::raster::Bitmap before = t.buffer();
    p.backend.activate(p.steps);
    p.backend.activate(t);
    EXPECT_EQ(t.FeedX, 0);
    EXPECT_EQ(t.WheelPhase, 0);
    EXPECT_TRUE(t.TimerRad.enabled());
    EXPECT_TRUE(t.TimerVor.enabled());
    EXPECT_TRUE(t.buffer() == before);  // nothing erased
    p.ticks(16);
    EXPECT_FALSE(t.TimerVor.enabled());
    ASSERT_TRUE(p.backend.pressEscape(t));
    EXPECT_FALSE(t.TimerRad.enabled());
    EXPECT_FALSE(t.TimerVor.enabled());
    EXPECT_TRUE(t.Start.enabled());
    EXPECT_EQ(t.FeedX, 0);
}

TEST(Mounting, ResinRisesIn100TicksToTheRimThenTheTimerIdles) {
    Preparation p;
    ASSERT_EQ(p.click(p.steps, "Einfassen"), MenuResult::Done);
    auto& m = p.get<TFormPEin>();
    ui::Canvas& c = m.PaintBoxHaupt.canvas;
    ASSERT_EQ(p.click(m, "start"), MenuResult::Done);
    EXPECT_EQ(p.click(m, "start"), MenuResult::Disabled);
    p.ticks(99);
    EXPECT_EQ(m.FillLevel, 99);
    EXPECT_NE(c.Pixel(350, 181), kResin);
    p.ticks(1);
    EXPECT_EQ(m.FillLevel, 100);
    // The last surface is (200,181)-(500,251): its top row meets the rim's top at 180.
    EXPECT_EQ(c.Pixel(350, 181), kResin);
    EXPECT_EQ(c.Pixel(350, 180), kSilver);
    EXPECT_EQ(c.Pixel(350, 250), kResin);
    const ui::raster::Bitmap full = m.buffer();
    p.ticks(40);
    EXPECT_TRUE(m.TimerProbe.enabled());
    EXPECT_EQ(m.FillLevel, 100);
    EXPECT_TRUE(m.buffer() == full);  // further ticks draw nothing
    ASSERT_EQ(p.click(m, "NZ"), MenuResult::Done);
    EXPECT_EQ(m.FillLevel, 0);
    EXPECT_FALSE(m.TimerProbe.enabled());
    EXPECT_TRUE(m.start.enabled());
    EXPECT_EQ(c.Pixel(350, 200), kBackground);  // the mould is empty again
}

TEST(Turntable, GrindingAndPolishingDifferOnlyInTheirTable) {
    Preparation p;
    ASSERT_EQ(p.click(p.steps, "Schleifen1"), MenuResult::Done);
    ASSERT_EQ(p.click(p.steps, "Polieren1"), MenuResult::Done);
    auto& g = p.get<TFormPSchleif>();
    auto& q = p.get<TFormPPol>();
    EXPECT_EQ(g.caption(), "Präparationsschritt: Schleifen");
    EXPECT_EQ(q.caption(), "Präparationsschritt: Polieren");
    std::vector<std::string> gi, qi;
    for (ui::MenuItem* i : g.MainMenu1.allItems()) gi.push_back(i->name() + i->caption());
    for (ui::MenuItem* i : q.MainMenu1.allItems()) qi.push_back(i->name() + i->caption());
    EXPECT_EQ(gi, qi);
    ASSERT_EQ(p.click(g, "start1"), MenuResult::Done);
    ASSERT_EQ(p.click(q, "start1"), MenuResult::Done);
    p.ticks(7);
    EXPECT_EQ(g.DiscPhase, q.DiscPhase);
    // Where the two pictures differ: the disc face and the texts of the table.
    const ui::raster::Bitmap& a = g.buffer();
    const ui::raster::Bitmap& b = q.buffer();
    ASSERT_EQ(a.width, b.width);
    auto inside = [](int x, int y, int l, int t, int r, int bt) { return x >= l && x < r && y >= t && y < bt; };
    int faceDiffs = 0, strayDiffs = 0;
    for (int y = 0; y < a.height; ++y)
        for (int x = 0; x < a.width; ++x) {
            if (a.at(x, y) == b.at(x, y)) continue;
            if (inside(x, y, 60, 290, 500, 330)) ++faceDiffs;
            else if (!inside(x, y, 0, 0, 560, 30) && !inside(x, y, 300, 205, 560, 255) &&
                     !inside(x, y, 340, 330, 560, 360))
                ++strayDiffs;
        }
    EXPECT_GT(faceDiffs, 5000);
    EXPECT_EQ(strayDiffs, 0);
}

TEST(Turntable, StoppingShowsTheDiscWithoutSampleAndSpokes) {
    Preparation p;
    ASSERT_EQ(p.click(p.steps, "Schleifen1"), MenuResult::Done);
    auto& g = p.get<TFormPSchleif>();
    ui::Canvas& c = g.PaintBoxHaupt.canvas;
    auto faceRowIsPlain = [&] {
        for (int x = 70; x < 490; ++x)
            if (c.Pixel(x, 312) != kSilver) return false;
        return true;
    };
    EXPECT_TRUE(faceRowIsPlain());
    ASSERT_EQ(p.click(g, "start1"), MenuResult::Done);
    EXPECT_EQ(c.Pixel(165, 270), kResin);  // the sample stands on the disc
    p.ticks(20);
    EXPECT_EQ(g.DiscPhase, 20);
    EXPECT_FALSE(faceRowIsPlain());
    EXPECT_EQ(p.click(g, "start1"), MenuResult::Done);  // stays enabled
    ASSERT_EQ(p.click(g, "Stopp1"), MenuResult::Done);
    EXPECT_FALSE(g.TimerRad.enabled());
    EXPECT_EQ(g.DiscPhase, 0);
    EXPECT_EQ(c.Pixel(165, 270), kBackground);
    EXPECT_TRUE(faceRowIsPlain());
}

TEST(Contrasting, EtchingOnlyOnceUntilResetAndOpeningUnetched) {
    Preparation p;
    ASSERT_EQ(p.click(p.steps, "Kontrastierung1"), MenuResult::Done);
    auto& k = p.get<TFormPKontrast>();
    ui::Canvas& c = k.PaintBoxHaupt.canvas;
    EXPECT_FALSE(k.ImageAet.visible());
    EXPECT_EQ(c.Pixel(300, 250), 0x00FFFF00u);  // etchant where the sample will hang
    ASSERT_EQ(p.click(k, "start"), MenuResult::Done);
    EXPECT_EQ(k.Etched, 1);
    EXPECT_TRUE(k.ImageAet.visible());
    EXPECT_EQ(c.Pixel(300, 250), kResin);
    EXPECT_EQ(p.click(k, "start"), MenuResult::Disabled);
    ASSERT_EQ(p.click(k, "NZ"), MenuResult::Done);
    EXPECT_EQ(k.Etched, 0);
    EXPECT_FALSE(k.ImageAet.visible());
    EXPECT_EQ(c.Pixel(300, 250), 0x00FFFF00u);
    ASSERT_EQ(p.click(k, "start"), MenuResult::Done);
    ASSERT_TRUE(p.backend.pressEscape(k));
    EXPECT_TRUE(k.start.enabled());
    ASSERT_EQ(p.click(p.steps, "Kontrastierung1"), MenuResult::Done);
    EXPECT_EQ(k.Etched, 0);
    EXPECT_FALSE(k.ImageAet.visible());
}

}  // namespace
