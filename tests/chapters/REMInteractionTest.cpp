// The interactions overview and the beam-matter interaction pages: tick counts and end
// points of every run, the first run after start-up, the small window's place, runs at
// the same time, the start items, the carried-over pen colour and state across closing.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ChapterWorld.h"

namespace chaptertest {
namespace {

using chapters::TFormREMEW;
using chapters::TFormREMEWK;
using chapters::TFormREMWechsel;
using ui::headless::MenuResult;

constexpr int kWelleTick = ui::kMinTimerInterval;  // 10 ms ticks once per frame

ui::TColor pixel(const ui::PaintBox& box, int x, int y) { return box.canvas.Pixel(x, y); }

std::vector<std::string> captions(const ui::Form& f) {
    std::vector<std::string> v;
    for (const ui::MenuItem* i : f.menu()->items()) v.push_back(i->name() + " " + i->caption());
    return v;
}

template <class T>
T& opened(World& w) {
    T& f = w.get<T>();
    f.ShowModal();
    w.app.flush();
    return f;
}

// Ticks a run until its timer stops; returns the number of ticks (or -1 after `limit`).
int runToEnd(World& w, const ui::Timer& t, int limit = 500) {
    for (int n = 1; n <= limit; ++n) {
        w.backend.advance(t.interval());
        if (!t.enabled()) return n;
    }
    return -1;
}

TEST(REMWechsel, MenuAndFigureExtent) {
    World w(1000, 740, {"TFormREMWechsel"});
    TFormREMWechsel& f = w.get<TFormREMWechsel>();
    EXPECT_EQ(captions(f), (std::vector<std::string>{"Ende &Ende", "ESC ESC", "Start &Start", "Stopp1 &Neu Zeichnen"}));
    // Narrower than 1024: the window takes the screen, the figure stays at 800 x 600.
    EXPECT_EQ(f.width(), 1000);
    EXPECT_EQ(f.height(), 740);
    EXPECT_EQ(f.cx(), 400);
    EXPECT_EQ(f.cy(), 260);
    World wide(1280, 1024, {"TFormREMWechsel"});
    EXPECT_EQ(wide.get<TFormREMWechsel>().cx(), 512);
    EXPECT_EQ(wide.get<TFormREMWechsel>().cy(), 344);
}

TEST(REMWechsel, BeamAndTracksAt1024FirstRunAndAfterReset) {
    World w(1024, 768, {"TFormREMWechsel"});
    TFormREMWechsel& f = opened<TFormREMWechsel>(w);
    const int beamLabelY = 10;  // written when the beam end reaches 80
    for (int run = 0; run < 2; ++run) {
        SCOPED_TRACE(run);
        EXPECT_EQ(f.beamY, run == 0 ? 70 : 60);
        ASSERT_EQ(w.backend.clickMenu(f, "Start"), MenuResult::Done);
        const int beamTicks = run == 0 ? 35 : 36;
        w.backend.advance(kWelleTick * (beamTicks - 1));
        EXPECT_EQ(f.beamY, 410);
        EXPECT_EQ(f.seY, 0);
        w.backend.advance(kWelleTick);  // the beam's last tick draws the first track segments
        EXPECT_EQ(f.beamY, 420);
        EXPECT_EQ(f.seY, 10);
        // The beam label, yellow, and the beam itself.
        bool labelSeen = false;
        for (int x = f.cx() + 100; x < f.cx() + 300; ++x)
            for (int y = beamLabelY; y < beamLabelY + 28; ++y) labelSeen |= pixel(f.PaintBoxHaupt, x, y) == ui::clYellow;
        EXPECT_TRUE(labelSeen);
        EXPECT_EQ(pixel(f.PaintBoxHaupt, f.cx(), 300), ui::clYellow);
        w.backend.advance(kWelleTick * 22);
        EXPECT_EQ(f.seY, 230);
        w.backend.advance(kWelleTick);
        EXPECT_EQ(f.seY, 240);
        EXPECT_EQ(f.seX, 240);
        EXPECT_EQ(f.bseX, 120);
        EXPECT_EQ(f.wdxX, 240);
        EXPECT_EQ(f.edxX, 240);
        // The tracks' ends: secondary electrons green, backscattered ones blue.
        EXPECT_EQ(pixel(f.PaintBoxHaupt, f.cx() + 235, 420 - 235), 0x008000u);
        EXPECT_EQ(pixel(f.PaintBoxHaupt, f.cx() + 118, 420 - 235), ui::clBlue);
        // The timer never stops by itself; further ticks only write the labels again.
        w.backend.advance(kWelleTick * 50);
        EXPECT_TRUE(f.TimerWelle.enabled());
        EXPECT_EQ(f.seY, 240);
        EXPECT_EQ(f.beamY, 420);
        // Neu Zeichnen wipes tracks and labels and stops.
        ASSERT_EQ(w.backend.clickMenu(f, "Stopp1"), MenuResult::Done);
        EXPECT_FALSE(f.TimerWelle.enabled());
        EXPECT_NE(pixel(f.PaintBoxHaupt, f.cx(), 300), ui::clYellow);
        EXPECT_NE(pixel(f.PaintBoxHaupt, f.cx() + 235, 420 - 235), 0x008000u);
        EXPECT_EQ(f.seY, 0);
        EXPECT_EQ(f.wdxY, 0);
    }
}

TEST(REMWechsel, ClosingResetsAndStopsARunningBeam) {
    World w(800, 600, {"TFormREMWechsel"});
    TFormREMWechsel& f = opened<TFormREMWechsel>(w);
    ASSERT_EQ(w.backend.clickMenu(f, "Start"), MenuResult::Done);
    w.backend.advance(kWelleTick * 10);
    EXPECT_EQ(f.beamY, 170);
    ASSERT_TRUE(w.backend.pressEscape(f));
    EXPECT_FALSE(f.visible());
    EXPECT_FALSE(f.TimerWelle.enabled());
    EXPECT_EQ(f.beamY, 60);
    // At 800 x 600 the beam stops at cy + 70 = 330: 28 ticks from 60.
    f.ShowModal();
    ASSERT_EQ(w.backend.clickMenu(f, "Start"), MenuResult::Done);
    w.backend.advance(kWelleTick * 27);
    EXPECT_EQ(f.beamY, 330);
    EXPECT_EQ(f.seY, 0);
    w.backend.advance(kWelleTick);
    EXPECT_EQ(f.beamY, 340);
    EXPECT_EQ(f.seY, 10);
}

TEST(REMEW, FrameMenusAndPlaces) {
    World w(800, 600, {"TFormREMEW", "TFormREMEWK"});
    TFormREMEW& ew = w.get<TFormREMEW>();
    TFormREMEWK& ewk = w.get<TFormREMEWK>();
    EXPECT_EQ(captions(ew), (std::vector<std::string>{"Ende1 &Ende", "BSE1 &Rückstreuelektronen",
                                                      "SE1 &Sekundärelektronen", "RQ1 R&öntgenquant", "ESC1 ESC",
                                                      "NeuZeichnen1 &Neu Zeichnen"}));
    EXPECT_EQ(captions(ewk), (std::vector<std::string>{"Ende1 &Ende", "BSE1 &Rückstreuelektronen",
                                                       "SE1 &Sekundärelektronen", "ESC1 ESC",
                                                       "NeuZeichnen1 &Neu Zeichnen"}));
    EXPECT_EQ(ew.timers().size(), 3u);
    EXPECT_EQ(ewk.timers().size(), 2u);
    // The small window hangs over the right edge of an 800-pixel screen.
    EXPECT_EQ(ewk.left(), 465);
    EXPECT_EQ(ewk.width(), 340);
    EXPECT_EQ(ewk.height(), 350);
    EXPECT_EQ(ewk.top(), 0);
    ewk.ShowModal();
    w.app.flush();
    EXPECT_EQ(ewk.atomX, 225);
    EXPECT_EQ(ewk.atomY, 155);
    EXPECT_EQ(ewk.dotRadius, 2);  // Round(2.5)
    EXPECT_EQ(ewk.electronRadius, 4);  // Round(3.5)
    ewk.Close();
    ew.ShowModal();
    w.app.flush();
    EXPECT_EQ(ew.atomX, 550);
    EXPECT_EQ(ew.atomY, 310);
    EXPECT_EQ(ew.orbitRadiusX[4], 180);
    // The nucleus red, the material pale yellow below the surface, rings in the vacuum.
    EXPECT_EQ(pixel(ew.PaintBoxHaupt, 550, 310), 0x0000FFu);
    EXPECT_EQ(pixel(ew.PaintBoxHaupt, 20, 500), 0x0080FFFFu);
    EXPECT_NE(pixel(ew.PaintBoxHaupt, 20, 50), 0x0080FFFFu);

    World wide(1280, 1024, {"TFormREMEWK"});
    TFormREMEWK& k = wide.get<TFormREMEWK>();
    EXPECT_EQ(k.left(), 850);
    EXPECT_EQ(k.top(), 302);
    EXPECT_EQ(k.width(), 430);
    EXPECT_EQ(k.height(), 420);
}

TEST(REMEW, BackscatteredRunEndsAt1AndAt128) {
    struct Case {
        int sw, sh, ticks, x, y;
    };
    for (const Case c : {Case{800, 600, 69, 120, 30}, Case{1024, 768, 103, 154, 29}}) {
        SCOPED_TRACE(c.sw);
        World w(c.sw, c.sh, {"TFormREMEW"});
        TFormREMEW& f = opened<TFormREMEW>(w);
        ASSERT_EQ(w.backend.clickMenu(f, "BSE1"), MenuResult::Done);
        EXPECT_FALSE(f.BSE1.enabled());
        EXPECT_EQ(w.backend.clickMenu(f, "BSE1"), MenuResult::Disabled);
        EXPECT_EQ(runToEnd(w, f.Timer2), c.ticks);
        EXPECT_EQ(f.bseX, c.x);
        EXPECT_EQ(f.bseY, c.y);
        EXPECT_FALSE(f.BSE1.enabled());
        EXPECT_TRUE(f.SE1.enabled());
    }
}

TEST(REMEW, BackscatteredPathGoesDownRoundTheNucleusAndOut) {
    World w(800, 600, {"TFormREMEW"});
    TFormREMEW& f = opened<TFormREMEW>(w);
    ASSERT_EQ(w.backend.clickMenu(f, "BSE1"), MenuResult::Done);
    runToEnd(w, f.Timer2);
    // Straight down past the nucleus, then dots down to y 505 near x 399 and none deeper.
    EXPECT_EQ(pixel(f.PaintBoxHaupt, 580, 150), ui::clBlue);
    EXPECT_EQ(pixel(f.PaintBoxHaupt, 580, 270), ui::clBlue);
    EXPECT_EQ(pixel(f.PaintBoxHaupt, 399, 505), ui::clBlue);
    for (int x = 250; x < 550; ++x) ASSERT_NE(pixel(f.PaintBoxHaupt, x, 511), ui::clBlue) << x;
    // The arrowhead at the end, blue.
    EXPECT_EQ(pixel(f.PaintBoxHaupt, 115, 35), ui::clBlue);
}

TEST(REMEW, SecondaryAndXrayRuns) {
    World w(800, 600, {"TFormREMEW"});
    TFormREMEW& f = opened<TFormREMEW>(w);
    ASSERT_EQ(w.backend.clickMenu(f, "SE1"), MenuResult::Done);
    EXPECT_EQ(runToEnd(w, f.Timer3), 37);
    EXPECT_EQ(f.seX, 220);
    EXPECT_EQ(f.seY, 78);

    ASSERT_EQ(w.backend.clickMenu(f, "RQ1"), MenuResult::Done);
    EXPECT_FALSE(f.RQ1.enabled());
    EXPECT_EQ(runToEnd(w, f.Timer4), 19);
    EXPECT_EQ(f.fallX, 510);  // four steps of 10 from 470
    EXPECT_EQ(f.fallY, 286);
    EXPECT_EQ(f.quantY, 238);
    // Four blue dots, then a red bar from the quantum's start up to its last ellipse.
    EXPECT_EQ(pixel(f.PaintBoxHaupt, 470 + 30, 282), ui::clBlue);
    for (int y = 242; y <= 270; y += 4) EXPECT_EQ(pixel(f.PaintBoxHaupt, 490, y), 0x0000FFu) << y;
}

TEST(REMEW, AllThreeRunsAtOnceEndEachByItsOwnTest) {
    World w(800, 600, {"TFormREMEW"});
    TFormREMEW& f = opened<TFormREMEW>(w);
    for (const char* i : {"BSE1", "SE1", "RQ1"}) ASSERT_EQ(w.backend.clickMenu(f, i), MenuResult::Done);
    w.backend.advance(19 * 59);
    EXPECT_FALSE(f.Timer4.enabled());
    EXPECT_TRUE(f.Timer3.enabled());
    EXPECT_TRUE(f.Timer2.enabled());
    w.backend.advance(37 * 50 - 19 * 59);
    EXPECT_FALSE(f.Timer3.enabled());
    EXPECT_TRUE(f.Timer2.enabled());
    EXPECT_EQ(f.seX, 220);
    w.backend.advance(69 * 50 - 37 * 50);
    EXPECT_FALSE(f.Timer2.enabled());
    EXPECT_EQ(f.bseX, 120);
    EXPECT_EQ(f.bseY, 30);
    EXPECT_EQ(f.quantY, 238);
    for (const char* i : {"BSE1", "SE1", "RQ1"}) EXPECT_EQ(w.backend.clickMenu(f, i), MenuResult::Disabled) << i;
}

TEST(REMEW, FunnelOutlineTakesTheCarriedOverPenColour) {
    World w(800, 600, {"TFormREMEW"});
    TFormREMEW& f = opened<TFormREMEW>(w);
    const int edgeX = 550 - 100, edgeY = 10;  // the funnel's left edge
    ASSERT_EQ(w.backend.clickMenu(f, "BSE1"), MenuResult::Done);
    w.backend.advance(50);
    EXPECT_EQ(pixel(f.PaintBoxHaupt, edgeX, edgeY), 0x808080u);  // grey from the orbits of the paint
    runToEnd(w, f.Timer2);
    ASSERT_EQ(w.backend.clickMenu(f, "SE1"), MenuResult::Done);
    w.backend.advance(50);
    EXPECT_EQ(pixel(f.PaintBoxHaupt, edgeX, edgeY), ui::clBlue);  // blue from the arrowhead
}

TEST(REMEW, NeuZeichnenAndClosingResetItemsNotRunState) {
    World w(800, 600, {"TFormREMEW"});
    TFormREMEW& f = opened<TFormREMEW>(w);
    for (const char* i : {"BSE1", "SE1", "RQ1"}) ASSERT_EQ(w.backend.clickMenu(f, i), MenuResult::Done);
    w.backend.advance(500);
    const int bx = f.bseX, by = f.bseY, sx = f.seX, qy = f.quantY;
    ASSERT_EQ(w.backend.clickMenu(f, "NeuZeichnen1"), MenuResult::Done);
    for (const ui::Timer* t : f.timers()) EXPECT_FALSE(t->enabled()) << t->name();
    EXPECT_TRUE(f.BSE1.enabled() && f.SE1.enabled() && f.RQ1.enabled());
    EXPECT_NE(pixel(f.PaintBoxHaupt, 550, 30), 0x0000FFu);  // the funnel is gone
    EXPECT_EQ(f.bseX, bx);
    EXPECT_EQ(f.bseY, by);
    EXPECT_EQ(f.seX, sx);
    EXPECT_EQ(f.quantY, qy);

    // A repaint during a run wipes the trail; the run goes on from where it was.
    ASSERT_EQ(w.backend.clickMenu(f, "SE1"), MenuResult::Done);
    w.backend.advance(250);
    EXPECT_EQ(pixel(f.PaintBoxHaupt, 460, 40), ui::clBlue);
    f.Repaint();
    EXPECT_NE(pixel(f.PaintBoxHaupt, 460, 40), ui::clBlue);
    w.backend.advance(50);
    EXPECT_EQ(f.seY, 60);

    ASSERT_TRUE(w.backend.pressEscape(f));
    for (const ui::Timer* t : f.timers()) EXPECT_FALSE(t->enabled()) << t->name();
    EXPECT_TRUE(f.SE1.enabled());
    EXPECT_EQ(f.seY, 60);
    EXPECT_EQ(f.bseX, bx);
}

TEST(REMEWK, ResizingKeepsTheScaleOnlyTheMaterialFollows) {
    World w(800, 600, {"TFormREMEWK"});
    TFormREMEWK& f = opened<TFormREMEWK>(w);
    f.setBounds(f.left(), f.top(), 600, 500);
    w.app.flush();
    const ui::Rect box = f.PaintBoxHaupt.clientRect();
    EXPECT_EQ(f.atomX, 225);
    EXPECT_EQ(pixel(f.PaintBoxHaupt, box.width() - 3, box.height() - 3), 0x0080FFFFu);
    EXPECT_NE(pixel(f.PaintBoxHaupt, box.width() - 3, 40), 0x0080FFFFu);  // vacuum above Round(100 x 0.5)
}

TEST(REMEWK, BackscatteredRunLeavesTheSmallWindowToo) {
    // The bands and the end test scale with the window, so the run ends at half scale.
    struct Case {
        int sw, sh, ticks, x, y;
    };
    for (const Case c : {Case{800, 600, 26, 10, 15}, Case{1024, 768, 40, 13, 14}}) {
        SCOPED_TRACE(c.sw);
        World w(c.sw, c.sh, {"TFormREMEWK"});
        TFormREMEWK& f = opened<TFormREMEWK>(w);
        EXPECT_EQ(f.menu()->find("RQ1"), nullptr);
        ASSERT_EQ(w.backend.clickMenu(f, "BSE1"), MenuResult::Done);
        ASSERT_EQ(w.backend.clickMenu(f, "SE1"), MenuResult::Done);
        EXPECT_EQ(runToEnd(w, f.Timer2), c.ticks);
        EXPECT_EQ(f.bseX, c.x);
        EXPECT_EQ(f.bseY, c.y);
        EXPECT_FALSE(f.Timer3.enabled());
        EXPECT_LT(f.seY, f.Y(80) + 1);
    }
}

}  // namespace
}  // namespace chaptertest
