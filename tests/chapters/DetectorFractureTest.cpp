// The SE and BSE detector schematics (the beam sweep and its electrons) and the
// fracture-surface chart with its curves and pictures.
#include <gtest/gtest.h>

#include "ChapterWorld.h"

namespace chaptertest {
namespace {

using chapters::DetectorSchema;
using chapters::TFormREMAvT;
using chapters::TFormREMBSE;
using chapters::TFormREMSE;

// Ticks from the start item until the sweep is back at its left end.
int cycleTicks(DetectorSchema& w) {
    w.Show();
    w.Lichtquelleanschalten1Click();
    const int left = w.X(300), right = w.X(500);
    for (int t = 1; t <= 1000; ++t) {
        w.TimerLichtTimer();
        if (w.beamX == left && w.beamBackX == right) return t;
    }
    return -1;
}

TEST(DetectorSchemas, TheSweepRepeatsEvery79TicksAtScale1And103At128) {
    for (const char* cls : {"TFormREMSE", "TFormREMBSE"}) {
        SCOPED_TRACE(cls);
        World small(800, 600, {cls});
        EXPECT_EQ(cycleTicks(dynamic_cast<DetectorSchema&>(small.form(cls))), 79);
        World wide(1024, 768, {cls});
        auto& w = dynamic_cast<DetectorSchema&>(wide.form(cls));
        EXPECT_EQ(cycleTicks(w), 103);
        // The next cycle is as long as the first.
        int t = 0;
        do {
            w.TimerLichtTimer();
            ++t;
        } while (!(w.beamX == w.X(300) && w.beamBackX == w.X(500)) && t < 1000);
        EXPECT_EQ(t, 103);
    }
}

// A schematic with a white figure and no electrons: only the beam shows.
class BareSchema : public DetectorSchema {
public:
    explicit BareSchema(ui::Application& app) : DetectorSchema(app, frame(), sweep()) {}
    static chapters::SweepSpec sweep() {
        return chapters::SweepSpec{
            .emitters = {}, .beamCaption = {0, 0, ""}, .legend = {}, .beamFootY = 490, .riseLimit = 300, .finishes = true};
    }
    static frame::FrameSpec frame() {
        return frame::FrameSpec{.className = "TBareSchema",
                                .caption = "",
                                .menu = {frame::closeItem("Ende"), frame::escItem("ESC"),
                                         {"Lichtquelleanschalten1", "&Primärelektronenstrahl"},
                                         {"Wechselwirkung1", "&Wechselwirkung"}},
                                .placement = frame::Pattern::UpTo1024Inclusive};
    }
    void PaintBoxHauptPaint() override {
        ui::Canvas& c = PaintBoxHaupt.canvas;
        c.pen.mode = ui::PenMode::Copy;
        c.pen.color = ui::clWhite;
        c.brush.setColor(ui::clWhite);
        c.Rectangle(0, 0, PaintBoxHaupt.width(), PaintBoxHaupt.height());
    }
};

// The white figure with the given beam lines drawn over it once each.
ui::raster::Bitmap withLines(BareSchema& w, std::initializer_list<int> feet) {
    const ui::raster::Bitmap saved = w.buffer();
    w.Repaint();
    ui::Canvas& c = w.PaintBoxHaupt.canvas;
    c.pen.color = ui::clRed;
    c.pen.mode = ui::PenMode::NotXor;
    for (int x : feet) {
        c.pen.width = w.X(10);
        c.MoveTo(w.X(400), w.Y(85));
        c.LineTo(x, w.Y(490));
    }
    ui::raster::Bitmap out = w.buffer();
    return out;
}

TEST(DetectorSchemas, AtScale128TheBackwardPassStartsOnTheLastForwardLine) {
    World world(1024, 768, {});
    BareSchema w(world.app);
    world.app.create(w);
    w.Show();
    world.app.flush();
    w.Lichtquelleanschalten1Click();
    // 52 ticks: the forward pass ends at 644, four pixels past 640, and the first
    // backward step erases exactly that line and draws the one at 635 + 4.
    for (int t = 0; t < 52; ++t) w.TimerLichtTimer();
    EXPECT_EQ(w.beamX, 644);
    EXPECT_EQ(w.beamBackX, 635);
    const ui::raster::Bitmap running = w.buffer();
    EXPECT_EQ(running, withLines(w, {639}));
}

TEST(DetectorSchemas, ARepaintDuringARunLeavesOneStrayBeamLine) {
    World world(800, 600, {});
    BareSchema w(world.app);
    world.app.create(w);
    w.Show();
    world.app.flush();
    w.Lichtquelleanschalten1Click();
    for (int t = 0; t < 10; ++t) w.TimerLichtTimer();
    EXPECT_EQ(w.beamX, 350);
    w.Repaint();  // the line at 350 is wiped
    w.TimerLichtTimer();
    // Erasing the line at 350 draws it again: a stray line beside the moving one.
    const ui::raster::Bitmap after = w.buffer();
    EXPECT_EQ(after, withLines(w, {350, 355}));
}

TEST(DetectorSchemas, StartIsDisabledWhileRunningAndNeuZeichnenStopsAndResets) {
    World world(800, 600, {"TFormREMSE", "TFormREMEWK"});
    auto& w = world.get<TFormREMSE>();
    w.ShowModal();
    ASSERT_EQ(world.backend.clickMenu(w, "Lichtquelleanschalten1"), ui::headless::MenuResult::Done);
    EXPECT_FALSE(w.Lichtquelleanschalten1.enabled());
    EXPECT_EQ(world.backend.clickMenu(w, "Lichtquelleanschalten1"), ui::headless::MenuResult::Disabled);
    world.backend.advance(50 * 20);
    EXPECT_GT(w.beamX, 300);
    EXPECT_NE(w.flightY[0], 0);
    // The interaction window on top; the sweep goes on behind it.
    ASSERT_EQ(world.backend.clickMenu(w, "Wechselwirkung1"), ui::headless::MenuResult::Done);
    auto& ewk = world.get<chapters::TFormREMEWK>();
    EXPECT_TRUE(ewk.visible());
    const int before = w.beamX;
    world.backend.advance(50 * 4);
    EXPECT_EQ(w.beamX, before + 20);
    EXPECT_TRUE(world.backend.pressEscape(ewk));
    ASSERT_EQ(world.backend.clickMenu(w, "Neustarten1"), ui::headless::MenuResult::Done);
    EXPECT_TRUE(w.Lichtquelleanschalten1.enabled());
    EXPECT_FALSE(w.TimerLicht.enabled());
    EXPECT_EQ(w.beamX, 300);
    EXPECT_EQ(w.beamBackX, 500);
    for (size_t k = 0; k < w.flightY.size(); ++k) {
        EXPECT_EQ(w.flightX[k], 0);
        EXPECT_EQ(w.flightY[k], 0);
    }
    EXPECT_EQ(w.flightY.size(), 29u);
}

TEST(DetectorSchemas, SeElectronsFinishBseElectronsStayAboveTheFigure) {
    World world(800, 600, {"TFormREMSE", "TFormREMBSE"});
    auto& se = world.get<TFormREMSE>();
    auto& bse = world.get<TFormREMBSE>();
    EXPECT_EQ(bse.flightY.size(), 24u);
    se.Show();
    bse.Show();
    se.Lichtquelleanschalten1Click();
    bse.Lichtquelleanschalten1Click();
    // Emitter 1 of the SE window rises 20 a tick: after 16 steps it has passed -300 and
    // is parked; the BSE dots rise 40 a tick and stop past -470 without being parked.
    for (int t = 0; t < 17; ++t) {
        se.TimerLichtTimer();
        bse.TimerLichtTimer();
    }
    EXPECT_EQ(se.flightY[0], -1500);
    EXPECT_EQ(se.flightX[0], -1500);
    EXPECT_EQ(bse.flightY[0], -480);
    bse.TimerLichtTimer();
    EXPECT_EQ(bse.flightY[0], -480);
}

TEST(DetectorSchemas, BseOutlinesTakeThePenColourTheBeamLeft) {
    World world(800, 600, {"TFormREMBSE"});
    auto& w = world.get<TFormREMBSE>();
    w.Show();
    world.app.flush();
    // The outline of the mounting material at its left edge, mid-height.
    const int x = w.X(220), y = w.Y(475);
    EXPECT_EQ(w.buffer().at(x, y), ui::toPixel(ui::clBlack));
    w.Lichtquelleanschalten1Click();
    w.TimerLichtTimer();
    w.Stopp1Click();
    EXPECT_EQ(w.buffer().at(x, y), ui::toPixel(ui::clRed));
}

// --- the fracture-surface chart ---

int ticksUntil(TFormREMAvT& w, void (TFormREMAvT::*tick)(), const bool& done) {
    for (int t = 1; t <= 500; ++t) {
        (w.*tick)();
        if (done) return t;
    }
    return -1;
}

TEST(FractureChart, CurvesEndOnTicks109And114AndTheFirstRunStartsTwoUnitsHigher) {
    World world(800, 600, {"TFormREMAvT"});
    auto& w = world.get<TFormREMAvT>();
    w.Show();
    world.app.flush();
    const ui::TColor purple = 0x00800080;
    // The chart area is white; the very first square's top edge lies at 390.
    EXPECT_NE(w.PaintBoxHaupt.canvas.Pixel(135, 389), purple);
    w.TimerKRZTimer();
    EXPECT_EQ(w.PaintBoxHaupt.canvas.Pixel(135, 390), purple);
    EXPECT_NE(w.PaintBoxHaupt.canvas.Pixel(135, 389), purple);
    EXPECT_EQ(ticksUntil(w, &TFormREMAvT::TimerKRZTimer, w.KrzDone) + 1, 109);
    EXPECT_FALSE(w.TimerKRZ.enabled());
    EXPECT_EQ(ticksUntil(w, &TFormREMAvT::TimerKFZTimer, w.KfzDone), 114);
    // Later runs start at 392.
    w.Neu1Click();
    EXPECT_FALSE(w.KrzDone);
    w.TimerKRZTimer();
    EXPECT_EQ(w.PaintBoxHaupt.canvas.Pixel(135, 392), purple);
    EXPECT_NE(w.PaintBoxHaupt.canvas.Pixel(135, 391), purple);
}

TEST(FractureChart, ChartAreaOnA1024Screen) {
    World world(1024, 768, {"TFormREMAvT"});
    auto& w = world.get<TFormREMAvT>();
    w.Show();
    world.app.flush();
    const ui::Canvas& c = w.PaintBoxHaupt.canvas;
    EXPECT_EQ(c.Pixel(154, 64), 0x00000001u);   // outline corner
    EXPECT_EQ(c.Pixel(921, 511), 0x00000001u);  // last pixel of the outline
    EXPECT_EQ(c.Pixel(160, 70), ui::clWhite);
    EXPECT_EQ(c.Pixel(922, 512), 0x0000E9FFu);  // outside: the yellow box
    EXPECT_EQ(w.PaintBoxHaupt.width(), 995);
}

TEST(FractureChart, PicturesOpenOnlyWhenBothCurvesAreDoneAndClosingOneReplaysTheCurves) {
    World world(1280, 1024, {"TFormREMAvT", "TFormAvTAus", "TFormAvTSpa", "TFormAvTMisch", "TFormAvTDuk"});
    auto& w = world.get<TFormREMAvT>();
    auto& spa = world.get<chapters::TFormAvTSpa>();
    w.ShowModal();
    const int centred = w.left();
    auto clickSpalt = [&] {
        return world.backend.click(w, w.PaintBoxSpalt.left() + 5, w.PaintBoxSpalt.top() + 5);
    };
    ASSERT_TRUE(clickSpalt());
    EXPECT_FALSE(spa.visible());
    EXPECT_EQ(w.PaintBoxSpalt.cursor, ui::Cursor::Default);
    ASSERT_EQ(world.backend.clickMenu(w, "StartKRZ1"), ui::headless::MenuResult::Done);
    world.backend.advance(50 * 110);
    EXPECT_TRUE(w.KrzDone);
    ASSERT_TRUE(clickSpalt());
    EXPECT_FALSE(spa.visible());  // one curve is not enough
    ASSERT_EQ(world.backend.clickMenu(w, "StartKFZ1"), ui::headless::MenuResult::Done);
    world.backend.advance(50 * 115);
    EXPECT_TRUE(w.KfzDone);
    EXPECT_EQ(w.PaintBoxDuk.cursor, ui::Cursor::HandPoint);
    ASSERT_TRUE(clickSpalt());
    EXPECT_TRUE(spa.visible());
    EXPECT_EQ(w.left(), 0);
    EXPECT_TRUE(w.enabled());  // not modal: the chart stays usable
    // Closing the page: the chart is back in the middle and both curves replay fast.
    EXPECT_TRUE(world.backend.pressEscape(spa));
    EXPECT_EQ(w.left(), centred);
    EXPECT_TRUE(w.TimerKRZ.enabled());
    EXPECT_TRUE(w.TimerKFZ.enabled());
    EXPECT_EQ(w.TimerKRZ.interval(), 1);
    EXPECT_EQ(w.KrzX, 130);
    EXPECT_EQ(w.KrzY, 392);
    EXPECT_TRUE(w.KrzDone);  // still clickable
    world.backend.advance(16 * 120);
    EXPECT_FALSE(w.TimerKRZ.enabled());
    EXPECT_FALSE(w.TimerKFZ.enabled());
    // Closing the chart resets flags, cursors and intervals.
    EXPECT_TRUE(world.backend.pressEscape(w));
    EXPECT_FALSE(w.KrzDone);
    EXPECT_EQ(w.PaintBoxDuk.cursor, ui::Cursor::Default);
    EXPECT_EQ(w.TimerKRZ.interval(), 50);
}

TEST(FractureChart, ACurveStartedAgainAfterItsEndDrawsNoPictureBeyondTheList) {
    World world(800, 600, {"TFormREMAvT"});
    auto& w = world.get<TFormREMAvT>();
    w.Show();
    world.app.flush();
    ticksUntil(w, &TFormREMAvT::TimerKRZTimer, w.KrzDone);
    EXPECT_EQ(w.KrzPictureIndex, 2);
    const ui::raster::Bitmap done = w.buffer();
    w.KrzDone = false;
    // The end step runs again (after one more upper-shelf point: the curve ended on 690)
    // with an index past the last picture, which draws nothing.
    w.TimerKRZTimer();
    EXPECT_EQ(w.KrzPictureIndex, 3);
    EXPECT_TRUE(w.KrzDone);
    const int left = w.PaintBoxHaupt.left() + w.X(570), top = w.PaintBoxHaupt.top() + w.Y(170);
    for (int y = top; y < top + 90; ++y)
        for (int x = left; x < left + 100; ++x) ASSERT_EQ(w.buffer().at(x, y), done.at(x, y)) << x << "," << y;
}

}  // namespace
}  // namespace chaptertest
