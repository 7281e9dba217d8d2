// The EDX/WDX schematic, the EDX signal path, the silicon-lithium detector and the EDX
// spectrum of cast iron: tick counts, end states, menu and input states, and the pixels
// the animations leave.
#include <gtest/gtest.h>

#include <array>
#include <cmath>

#include "ChapterWorld.h"
#include "chapters/analysis/FormDetSch.h"
#include "chapters/analysis/FormEDXWeg.h"
#include "chapters/analysis/FormREMEDX.h"
#include "chapters/analysis/FormREMEDXWDX.h"
#include "ui/text/TextEngine.h"

namespace {

using chaptertest::World;
using ui::headless::MenuResult;

template <class T>
struct Shown {
    World world;
    T& f;
    Shown(int w, int h) : world(w, h, {T::kClassName}), f(world.get<T>()) {
        f.ShowModal();
        world.app.flush();
    }
    void menu(const char* item) { ASSERT_EQ(world.backend.clickMenu(f, item), MenuResult::Done) << item; }
    void advance(int ms) { world.backend.advance(ms); }
};

// ---- EDX/WDX schematic (the timer's 10 ms tick once per 16 ms display frame)

TEST(EDXWDX, BeamFirstPhaseAndReflectionAt1024) {
    Shown<chapters::TFormREMEDXWDX> s(1024, 768);
    auto& f = s.f;
    EXPECT_EQ(f.centreX, 512);
    EXPECT_EQ(f.centreY, 344);
    EXPECT_EQ(f.beamY, 70);  // program start
    s.menu("Start");
    s.advance(16 * 52);
    EXPECT_EQ(f.beamY, 590);
    EXPECT_EQ(f.edxRise, 0);
    s.advance(16);  // the beam's last tick makes the first X-ray step
    EXPECT_EQ(f.beamY, 600);
    EXPECT_EQ(f.edxRise, 3);
    s.advance(16 * 41);
    EXPECT_EQ(f.edxRise, 126);
    EXPECT_EQ(f.wdxTravel, 210);
    // The 43rd step of the first phase (rise 129, travel 215) lets the first reflected
    // step follow in the same tick.
    s.advance(16);
    EXPECT_EQ(f.edxRise, 129);
    EXPECT_EQ(f.wdxTravel, 220);
    s.advance(16 * 16);
    EXPECT_EQ(f.wdxTravel, 300);
    EXPECT_TRUE(f.TimerWelle.enabled());
    ui::Canvas& c = f.PaintBoxHaupt.canvas;
    EXPECT_NE(c.Pixel(512 + 305, 100), ui::clRed);
    s.advance(16);  // reflected step 18 draws the peaks and stops
    EXPECT_EQ(f.wdxTravel, 305);
    EXPECT_FALSE(f.TimerWelle.enabled());
    EXPECT_EQ(f.beamY, 600);
    EXPECT_EQ(f.edxRise, 129);
    // The tallest peak of each display.
    EXPECT_EQ(c.Pixel(512 + 305, 100), ui::clRed);
    EXPECT_EQ(c.Pixel(512 - 285, 100), ui::clRed);

    // "&Start" again: one more reflected segment, the peaks, and the timer stops.
    s.menu("Start");
    s.advance(16);
    EXPECT_EQ(f.wdxTravel, 310);
    EXPECT_FALSE(f.TimerWelle.enabled());

    // After "&Neu Zeichnen" the tracks and peaks are gone and the beam starts at 60.
    s.menu("Stopp1");
    EXPECT_NE(c.Pixel(512 + 305, 100), ui::clRed);
    EXPECT_EQ(f.beamY, 60);
    EXPECT_EQ(f.wdxTravel, 0);
    EXPECT_EQ(f.wdxRise, 0);
    s.menu("Start");
    s.advance(16 * 53);
    EXPECT_EQ(f.beamY, 590);
    s.advance(16);
    EXPECT_EQ(f.beamY, 600);
}

TEST(EDXWDX, LabelAtY80AndCloseResets) {
    Shown<chapters::TFormREMEDXWDX> s(800, 600);
    auto& f = s.f;
    EXPECT_EQ(f.centreX, 400);
    EXPECT_EQ(f.centreY, 260);
    ui::Canvas& c = f.PaintBoxHaupt.canvas;
    auto yellowBesideBeam = [&] {
        for (int y = 80; y < 100; ++y)
            for (int x = 410; x < 440; ++x)
                if (c.Pixel(x, y) == ui::clYellow) return true;
        return false;
    };
    EXPECT_FALSE(yellowBesideBeam());
    s.menu("Start");
    s.advance(16);  // 70 -> 80 in the first tick after program start
    EXPECT_EQ(f.beamY, 80);
    EXPECT_TRUE(yellowBesideBeam());
    s.advance(16 * 40);
    EXPECT_EQ(s.world.backend.clickMenu(f, "Ende"), MenuResult::Done);
    EXPECT_FALSE(f.visible());
    EXPECT_FALSE(f.TimerWelle.enabled());
    EXPECT_EQ(f.beamY, 60);
    EXPECT_EQ(f.edxTravel, 0);
    // At 800 x 600 the beam runs to 520 (centre 260 + 255 and one step).
    f.ShowModal();
    s.menu("Start");
    s.advance(16 * 46);
    EXPECT_EQ(f.beamY, 520);
    EXPECT_EQ(f.edxRise, 3);
}

// ---- EDX signal path

TEST(EDXWeg, BubbleRowsRiseFromProgramStart60PixelsApart) {
    World world(1024, 768, {"TFormEDXWeg"});
    auto& f = world.get<chapters::TFormEDXWeg>();
    EXPECT_FALSE(f.visible());
    EXPECT_TRUE(f.TimerN1.enabled());
    EXPECT_FALSE(f.TimerN2.enabled());
    world.backend.advance(50 * 29);
    EXPECT_EQ(f.bubbleY[0], 112);
    EXPECT_FALSE(f.TimerN2.enabled());
    world.backend.advance(50);  // at 110 the first row lets the second start
    EXPECT_EQ(f.bubbleY[0], 110);
    EXPECT_TRUE(f.TimerN2.enabled());
    EXPECT_EQ(f.bubbleY[1], 170);
    world.backend.advance(50 * 55);  // tick 85 of the first row: back at the bottom
    EXPECT_EQ(f.bubbleY[0], 170);
    EXPECT_TRUE(f.TimerN3.enabled());
    for (int k = 0; k < 200; ++k) {
        world.backend.advance(50);
        EXPECT_EQ((f.bubbleY[1] - f.bubbleY[0] + 170) % 170, 60) << k;
        EXPECT_EQ((f.bubbleY[2] - f.bubbleY[1] + 170) % 170, 60) << k;
    }
    // The rows keep their distance when the window is shown.
    f.ShowModal();
    world.app.flush();
    world.backend.advance(50 * 7);
    EXPECT_EQ((f.bubbleY[1] - f.bubbleY[0] + 170) % 170, 60);
    EXPECT_EQ((f.bubbleY[2] - f.bubbleY[1] + 170) % 170, 60);
    // White bubbles rise in the blue liquid.
    int white = 0;
    for (int y = 0; y < f.PaintBoxN.height(); ++y)
        for (int x = 0; x < f.PaintBoxN.width(); ++x) white += f.PaintBoxN.canvas.Pixel(x, y) == ui::clWhite;
    EXPECT_GT(white, 0);
}

TEST(EDXWeg, SpectrumGoalAfter16RedTicksAt128) {
    Shown<chapters::TFormEDXWeg> s(1024, 768);
    auto& f = s.f;
    EXPECT_EQ(f.beamY, 141);
    s.menu("Start1");
    s.advance(50 * 40);
    EXPECT_EQ(f.beamY, 541);
    EXPECT_TRUE(f.TimerStrahl.enabled());
    s.advance(50);
    EXPECT_EQ(f.beamY, 551);
    EXPECT_FALSE(f.TimerStrahl.enabled());
    EXPECT_TRUE(f.TimerQuRed.enabled());
    EXPECT_EQ(f.spectrumGoal(), -320);
    // Red and yellow take turns every 100 ms; each red tick grows the lines.
    for (int red = 1; red <= 16; ++red) {
        s.advance(100);
        EXPECT_EQ(f.spectrumHeight[0], -20 * red);
        EXPECT_TRUE(f.TimerQuYell.enabled());
        EXPECT_FALSE(f.TimerQuRed.enabled());
        s.advance(100);
        EXPECT_FALSE(f.TimerQuYell.enabled());
        EXPECT_TRUE(f.TimerQuRed.enabled());
    }
    EXPECT_EQ(f.spectrumHeight[1], -16 * 16);   // 668
    EXPECT_EQ(f.spectrumHeight[13], -16 * 1);   // 680
    EXPECT_EQ(f.spectrumHeight[26], -16 * 2);   // 502
    // The wave stays red; the red timer goes on but does nothing.
    ui::Canvas& c = f.PaintBoxHaupt.canvas;
    EXPECT_EQ(c.Pixel(f.X(200), f.Y(frame::Round(15 * std::sin(50.0) + 320))), ui::clRed);
    const auto before = f.spectrumHeight;
    s.advance(1000);
    EXPECT_EQ(f.spectrumHeight, before);
    EXPECT_TRUE(f.TimerQuRed.enabled());
    EXPECT_FALSE(f.TimerQuYell.enabled());
    // The main line stands 15 steps high on the screen (its first step is drawn from 0).
    const int xMain = f.X(f.spectrumX[0]), base = f.Y(300);
    EXPECT_EQ(c.Pixel(xMain, base - 299), ui::clRed);
    EXPECT_NE(c.Pixel(xMain, base - 306), ui::clRed);

    // Start again after the end: the beam is at its end, the red timer does nothing more.
    s.menu("Start1");
    s.advance(50);
    EXPECT_FALSE(f.TimerStrahl.enabled());
    EXPECT_EQ(f.spectrumHeight, before);
}

TEST(EDXWeg, IronLinesStandAtTheirTrueEnergiesOnTheDrawnAxis) {
    for (const auto& [w, h] : {std::pair{800, 600}, std::pair{1024, 768}}) {
        SCOPED_TRACE(std::to_string(w) + "x" + std::to_string(h));
        ui::text::TextLog log;
        Shown<chapters::TFormEDXWeg> s(w, h);
        auto& f = s.f;
        s.menu("Start1");
        s.advance(50 * 45 + 200 * 20);  // the beam, then the whole spectrum
        ASSERT_LE(f.spectrumHeight[0], f.spectrumGoal());
        // The axis as drawn: the centres of the ink of its labels "0" ... "8" (keV).
        std::vector<std::pair<double, double>> axis;  // pixel x, keV
        for (const ui::text::DrawnText& t : log.texts)
            if (t.bitmap == &f.buffer() && t.text.size() == 1 && t.text[0] >= '0' && t.text[0] <= '8' &&
                (axis.empty() || axis.back().second < t.text[0] - '0'))
                axis.push_back({(t.ink.left + t.ink.right) / 2.0, t.text[0] - '0'});
        ASSERT_EQ(axis.size(), 5u);
        auto keV = [&](double x) {
            size_t i = 1;
            while (i + 1 < axis.size() && x > axis[i].first) ++i;
            const auto [x0, e0] = axis[i - 1];
            const auto [x1, e1] = axis[i];
            return e0 + (x - x0) * (e1 - e0) / (x1 - x0);
        };
        // Each column's red from the monitor's baseline up; a peak is the middle of the
        // columns that reach its greatest height.
        ui::Canvas& c = f.PaintBoxHaupt.canvas;
        const int base = f.Y(300) - 1;
        auto height = [&](int x) {
            int y = base;
            while (c.Pixel(x, y) == ui::clRed) --y;
            return base - y;
        };
        auto peak = [&](int from, int to) {
            int best = 0;
            for (int x = from; x < to; ++x) best = std::max(best, height(x));
            int first = to, last = from;
            for (int x = from; x < to; ++x)
                if (height(x) == best) first = std::min(first, x), last = std::max(last, x);
            return f.PaintBoxHaupt.left() + (first + last + 1) / 2.0;  // in the window, as the labels
        };
        const double kalpha = peak(f.X(650), f.X(746));  // right of chromium
        const double kbeta = peak(static_cast<int>(kalpha) - f.PaintBoxHaupt.left() + f.X(8), f.X(746));
        EXPECT_NEAR(keV(kalpha), 6.40, 0.05);
        EXPECT_NEAR(keV(kbeta), 7.06, 0.05);
    }
}

TEST(EDXWeg, At800TheBeamEndsAt430AndTheGoalAfter13RedTicks) {
    Shown<chapters::TFormEDXWeg> s(800, 600);
    auto& f = s.f;
    s.menu("Start1");
    s.advance(50 * 32);
    EXPECT_EQ(f.beamY, 430);
    EXPECT_TRUE(f.TimerQuRed.enabled());
    s.advance(200 * 12 + 100);
    EXPECT_EQ(f.spectrumHeight[0], -260);
    s.advance(200 * 3);
    EXPECT_EQ(f.spectrumHeight[0], -260);
}

TEST(EDXWeg, CloseStopsEverythingUntilTheNextPaintNeuZeichnenRestartsTheRows) {
    Shown<chapters::TFormEDXWeg> s(1024, 768);
    auto& f = s.f;
    s.menu("Start1");
    s.advance(3000);
    ASSERT_NE(f.spectrumHeight[0], 0);
    EXPECT_EQ(s.world.backend.clickMenu(f, "Ende1"), MenuResult::Done);
    for (ui::Timer* t : {&f.TimerStrahl, &f.TimerN1, &f.TimerN2, &f.TimerN3, &f.TimerQuRed, &f.TimerQuYell})
        EXPECT_FALSE(t->enabled()) << t->name();
    s.advance(2000);
    EXPECT_EQ(f.bubbleY, (std::array<int, 3>{170, 170, 170}));
    EXPECT_EQ(f.beamY, 141);
    EXPECT_EQ(f.spectrumHeight[0], 0);
    f.ShowModal();
    s.world.app.flush();
    EXPECT_TRUE(f.TimerN1.enabled() && f.TimerN2.enabled() && f.TimerN3.enabled());
    s.advance(500);
    // The rows now rise together.
    EXPECT_EQ(f.bubbleY[0], 150);
    EXPECT_EQ(f.bubbleY[1], 150);
    EXPECT_EQ(f.bubbleY[2], 150);
    s.menu("Start1");
    s.advance(3000);
    s.menu("NeuZeichnen1");
    EXPECT_FALSE(f.TimerQuRed.enabled() || f.TimerQuYell.enabled() || f.TimerStrahl.enabled());
    EXPECT_EQ(f.bubbleY, (std::array<int, 3>{170, 170, 170}));
    EXPECT_EQ(f.spectrumHeight[0], 0);
    // The fresh figure covers the spectrum: the monitor's screen is white again.
    EXPECT_EQ(f.PaintBoxHaupt.canvas.Pixel(f.X(f.spectrumX[0]), f.Y(300) - 100), ui::clWhite);
}

// ---- Silicon-lithium detector

TEST(DetSch, PhotonTakes41TicksThePairSeparatesIn50) {
    Shown<chapters::TFormDetSch> s(1024, 768);
    auto& f = s.f;
    ui::Canvas& c = f.PaintBoxHaupt.canvas;
    const ui::TColor startPlace = c.Pixel(f.X(400), f.Y(300));
    EXPECT_EQ(startPlace, 0x409FFFu);  // the i-layer
    s.menu("Start1");
    s.advance(50 * 40);
    EXPECT_EQ(f.photonTravel, 80);
    EXPECT_TRUE(f.TimerQuant.enabled());
    s.advance(50);
    EXPECT_EQ(f.photonTravel, 82);
    EXPECT_FALSE(f.TimerQuant.enabled());
    EXPECT_TRUE(f.TimerEloch.enabled());
    // The arrow tip ends at x 142, just before the entrance window at 152.
    const int tipY = f.Y(300 - f.photonWiggle);
    EXPECT_EQ(c.Pixel(f.X(140), tipY), 0x0000C8u);
    EXPECT_NE(c.Pixel(f.X(146), tipY), 0x0000C8u);
    s.advance(50 * 49);
    EXPECT_EQ(f.electronShift, 98);
    EXPECT_TRUE(f.TimerEloch.enabled());
    s.advance(50);
    EXPECT_EQ(f.electronShift, 100);
    EXPECT_EQ(f.holeShift, 100);  // the hole's last step comes after the end in the same tick
    EXPECT_FALSE(f.TimerEloch.enabled());
    s.advance(500);
    EXPECT_EQ(f.holeShift, 100);
    // Moved by inverting: the place where the pair was created shows the layer again.
    EXPECT_EQ(c.Pixel(f.X(400), f.Y(300)), startPlace);
    EXPECT_EQ(c.Pixel(f.X(400), f.Y(285)), startPlace);
}

TEST(DetSch, StartDuringThePairOverlapsBothTextPanelToggles) {
    Shown<chapters::TFormDetSch> s(800, 600);
    auto& f = s.f;
    EXPECT_FALSE(f.PaintBoxText.visible());
    EXPECT_EQ(f.PaintBoxText.left(), 10);
    EXPECT_EQ(f.PaintBoxText.top(), 400);
    EXPECT_EQ(f.PaintBoxText.width(), 780);
    EXPECT_EQ(f.PaintBoxText.height(), 130);
    s.menu("Start1");
    s.advance(50 * 41 + 50 * 20);
    EXPECT_EQ(f.electronShift, 40);
    s.menu("Start1");
    EXPECT_EQ(f.electronShift, 0);
    EXPECT_EQ(f.photonTravel, 0);
    s.advance(50 * 10);
    EXPECT_TRUE(f.TimerQuant.enabled());
    EXPECT_TRUE(f.TimerEloch.enabled());
    EXPECT_EQ(f.photonTravel, 20);
    EXPECT_EQ(f.electronShift, 20);
    s.menu("extjanein1");
    s.world.app.flush();
    EXPECT_TRUE(f.PaintBoxText.visible());
    EXPECT_EQ(f.PaintBoxText.canvas.Pixel(400, 2), 0xAEFFFFu);
    s.advance(50 * 40);
    EXPECT_EQ(f.PaintBoxText.canvas.Pixel(400, 2), 0xAEFFFFu);  // the timers draw only on the figure
    s.menu("extjanein1");
    EXPECT_FALSE(f.PaintBoxText.visible());
    EXPECT_TRUE(s.world.backend.pressEscape(f));
    EXPECT_FALSE(f.visible());
    EXPECT_FALSE(f.TimerQuant.enabled() || f.TimerEloch.enabled());
    EXPECT_EQ(f.photonTravel + f.photonWiggle + f.electronShift + f.holeShift, 0);
}

// ---- EDX spectrum of cast iron

TEST(REMEDX, LayoutAt1024) {
    World world(1024, 768, {"TFormREMEDX"});
    auto& f = world.get<chapters::TFormREMEDX>();
    EXPECT_EQ(f.PaintBoxHaupt.left(), 1);
    EXPECT_EQ(f.PaintBoxHaupt.top(), 5);
    EXPECT_EQ(f.PaintBoxHaupt.width(), 1011);
    EXPECT_EQ(f.PaintBoxHaupt.height(), 678);
    EXPECT_EQ(f.ImageBild.left(), 84);
    EXPECT_EQ(f.ImageBild.top(), 45);
    EXPECT_EQ(f.ImageBild.width(), 600);
    EXPECT_EQ(f.ImageBild.height(), 333);
}

TEST(REMEDX, TheScaleBarKeepsIts800x600LengthOnEveryScreenAsThePhotographDoes) {
    for (const auto& [w, h] : {std::pair{800, 600}, std::pair{1024, 768}, std::pair{1280, 1024}}) {
        SCOPED_TRACE(std::to_string(w) + "x" + std::to_string(h));
        Shown<chapters::TFormREMEDX> s(w, h);
        auto& f = s.f;
        EXPECT_EQ(f.ImageBild.width(), 600);
        // The bar's pixels on its row inside the text panel's outline (pen $000001).
        int first = -1, last = -1;
        for (int x = f.X(615) + 1; x < f.X(790) - 1; ++x)
            if (f.PaintBoxHaupt.canvas.Pixel(x, f.Y(270)) == 0x000001) {
                if (first < 0) first = x;
                last = x;
            }
        EXPECT_EQ(last - first + 1, 101);  // 640 to 740 with both end ticks, as at 800x600
        EXPECT_EQ(first + last, 2 * f.X(690));  // centred on design x 690
    }
}

TEST(REMEDX, SpectraGrowWithoutInputAndStandSideBySide) {
    Shown<chapters::TFormREMEDX> s(800, 600);
    auto& f = s.f;
    ui::Canvas& c = f.PaintBoxHaupt.canvas;
    s.menu("SpektrumGesamtbild1");
    EXPECT_FALSE(f.enabled());
    EXPECT_FALSE(f.SpektrumGesamtbild1.enabled());
    s.advance(100 * 14);
    EXPECT_TRUE(f.TimerBild.enabled());
    EXPECT_EQ(s.world.backend.clickMenu(f, "SpektrumGraphit1"), MenuResult::FormDisabled);
    EXPECT_EQ(s.world.backend.clickMenu(f, "Ende1"), MenuResult::FormDisabled);
    EXPECT_FALSE(s.world.backend.pressEscape(f));
    EXPECT_TRUE(f.visible());
    s.advance(100);
    EXPECT_FALSE(f.TimerBild.enabled());
    EXPECT_TRUE(f.enabled());
    EXPECT_EQ(f.spectrumTop[2], 375);  // iron K-alpha 135 high
    EXPECT_EQ(f.spectrumTop[1], 390);
    EXPECT_EQ(f.spectrumTop[0], 450);
    EXPECT_EQ(f.spectrumTop[15], 495);

    s.menu("SpektrumGraphit1");
    s.advance(100 * 13);
    EXPECT_FALSE(f.enabled());
    s.advance(100);
    EXPECT_TRUE(f.enabled());
    EXPECT_EQ(f.spectrumTop[14], 370);  // carbon 140 high
    EXPECT_EQ(f.spectrumTop[13], 440);
    EXPECT_EQ(f.spectrumX[14], 12 + 265);

    s.menu("SpektrumPerlit1");
    s.advance(100 * 14);
    EXPECT_FALSE(f.enabled());
    s.advance(100);
    EXPECT_TRUE(f.enabled());
    EXPECT_EQ(f.spectrumTop[14], 495);
    EXPECT_EQ(f.spectrumTop[15], 510);  // the third carbon line stays out

    // All three spectra stand side by side: the iron K-alpha peaks of the whole picture
    // and of the pearlite, the carbon peak of the graphite.
    EXPECT_EQ(c.Pixel(166, 400), ui::clRed);
    EXPECT_EQ(c.Pixel(166 + 540, 400), ui::clRed);
    EXPECT_EQ(c.Pixel(12 + 265, 400), ui::clRed);
    EXPECT_EQ(s.world.backend.clickMenu(f, "SpektrumPerlit1"), MenuResult::Disabled);

    // A repaint erases them; their items stay disabled until "&Neu".
    f.Repaint();
    EXPECT_EQ(c.Pixel(166, 400), ui::clWhite);
    EXPECT_EQ(c.Pixel(12 + 265, 400), ui::clWhite);
    EXPECT_FALSE(f.SpektrumGesamtbild1.enabled() || f.SpektrumGraphit1.enabled() || f.SpektrumPerlit1.enabled());
    s.menu("Neu1");
    EXPECT_TRUE(f.SpektrumGesamtbild1.enabled() && f.SpektrumGraphit1.enabled() && f.SpektrumPerlit1.enabled());
}

}  // namespace
