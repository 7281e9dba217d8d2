#include "chapters/analysis/FormREMEDXWDX.h"

#include <cmath>

#include "frame/Backdrop.h"

namespace chapters {

using frame::Round;

namespace {
const frame::FrameSpec kFrame{
    .className = TFormREMEDXWDX::kClassName,
    .caption = "Mikrobereichsanalyse im Rasterelektronenmikroskop mittels energie- und wellenlängendispersiver Röntgenspektroskopie",
    .color = 0x00FA0555 /* R 85, G 5, B 250 */,
    .menu = {frame::closeItem("Ende"), frame::escItem("ESC"), {"Start", "&Start"}, {"Stopp1", "&Neu Zeichnen"}},
    .placement = frame::Pattern::UpTo1024Inclusive,
    .scaled = false,
};

constexpr ui::TColor kPanel = 0xFFB7BE;
constexpr ui::TColor kEdxTrack = 0xCB0CAA;
constexpr ui::TColor kWdxTrack = 0x4D02C8;

// A peak of a spectrum display: feet on y = 150, x relative to the figure's centre.
struct Peak {
    int leftFoot, tipX, tipY, rightFoot;
};
constexpr Peak kEdxPeaks[] = {{208, 210, 120, 212}, {238, 240, 130, 242}, {278, 280, 125, 282}, {300, 305, 80, 310},
                              {310, 313, 125, 316}, {330, 333, 115, 336}, {337, 340, 135, 343}};
constexpr Peak kWdxPeaks[] = {{-320, -325, 120, -330}, {-330, -335, 140, -340}, {-302, -305, 110, -308},
                              {-280, -285, 70, -290},  {-258, -265, 137, -272}, {-220, -225, 130, -230}};
constexpr int kPeakFoot = 150;

void line(ui::Canvas& c, int x1, int y1, int x2, int y2) {
    c.MoveTo(x1, y1);
    c.LineTo(x2, y2);
}
}  // namespace

TFormREMEDXWDX::TFormREMEDXWDX(ui::Application& app) : TopicForm(app, kFrame) {
    font.height = -11;
    PaintBoxHaupt.setAlign(ui::Align::Client);
    PaintBoxHaupt.color = color();
    PaintBoxHaupt.font = font;
    PaintBoxHaupt.OnPaint = [this] { PaintBoxHauptPaint(); };
    Start.OnClick = [this] { StartClick(); };
    Stopp1.OnClick = [this] { Stopp1Click(); };
    TimerWelle.OnTimer = [this] { TimerWelleTimer(); };
}

// The window takes the screen up to a width of 1024; the figure is drawn in pixels about
// a centre taken from the screen, or the middle of the 1024 x 768 window on wider screens.
void TFormREMEDXWDX::FormCreate() {
    TopicForm::FormCreate();
    if (screenWidth() <= 1024) {
        centreX = frame::div(screenWidth(), 2);
        centreY = frame::div(screenHeight(), 2) - 40;
    } else {
        centreX = 512;
        centreY = 344;
    }
}

void TFormREMEDXWDX::PaintBoxHauptPaint() {
    ui::Canvas& c = PaintBoxHaupt.canvas;
    const int cx = centreX, cy = centreY;
    const int w = PaintBoxHaupt.width(), h = PaintBoxHaupt.height();

    c.font.name = "MS Sans Serif";
    c.pen.style = ui::PenStyle::Solid;
    c.pen.width = 1;
    c.pen.color = 0x000001;
    c.brush.setColor(kPanel);
    c.Rectangle(20, 20, w - 20, h - 20);
    // Background: yellow at the bottom of the screen turning blue upwards, 4 pixels a step.
    c.pen.width = 4;
    for (int i = 0; i <= 255; ++i) {
        c.pen.color = frame::rampColour(i);
        line(c, 0, screenHeight() - 4 * i, w, screenHeight() - 4 * i);
    }
    // Floor and sample.
    c.pen.color = ui::clBlack;
    c.pen.width = 1;
    c.brush.setColor(ui::clBlue);
    c.Rectangle(0, cy + 280, w, h);
    c.brush.setColor(ui::clSilver);
    c.Rectangle(cx - 100, cy + 260, cx + 100, cy + 280);
    c.brush.style = ui::BrushStyle::Clear;
    c.font.height = 24;
    c.TextOut(cx + 120, cy + 240, "Probe");
    // Pole piece.
    c.brush.setColor(ui::clSilver);
    c.Polygon({{cx - 50, 30}, {cx + 50, 30}, {cx + 10, 65}, {cx - 10, 65}});
    c.Ellipse(cx - 50, 20, cx + 50, 40);
    c.Ellipse(cx - 10, 65, cx + 10, 70);
    c.Rectangle(cx - 50, 0, cx + 50, 30);
    c.pen.color = ui::clSilver;
    c.Rectangle(cx - 45, 0, cx + 45, 30);

    // EDX side: cables and spectrum display, detector, amplifier, AD converter, analyser.
    c.pen.width = 6;
    c.pen.color = ui::clRed;
    c.brush.setColor(ui::clWhite);
    line(c, cx + 175, cy + 80, cx + 190, cy + 65);
    line(c, cx + 190, cy + 65, cx + 330, cy + 65);
    line(c, cx + 330, cy + 65, cx + 330, cy - 265);
    c.Rectangle(cx + 180, 20, cx + 380, 150);
    c.pen.color = ui::clBlack;
    c.brush.setColor(ui::clBlue);
    c.Polygon({{cx + 105, cy + 100}, {cx + 155, cy + 50}, {cx + 205, cy + 100}, {cx + 155, cy + 150}});
    c.Polygon({{cx + 210, cy + 40}, {cx + 260, cy + 65}, {cx + 210, cy + 90}});
    c.Rectangle(cx + 280, cy + 40, cx + 380, cy + 90);
    c.Rectangle(cx + 280, cy - 30, cx + 380, cy - 80);

    // WDX side: cables and spectrum display, Rowland circle with the crystal, detector,
    // amplifier, counter, analyser.
    c.pen.color = ui::clRed;
    c.brush.setColor(ui::clWhite);
    line(c, cx - 385, cy + 170, cx - 385, cy + 80);
    line(c, cx - 385, cy + 80, cx - 330, cy + 80);
    line(c, cx - 330, cy + 80, cx - 330, cy - 230);
    c.Rectangle(cx - 380, 20, cx - 180, 150);
    c.pen.color = ui::clBlack;
    c.Ellipse(cx - 270, cy + 30, cx - 150, cy + 150);
    c.pen.color = ui::clGray;
    c.pen.width = 12;
    c.Arc(cx - 270, cy + 38, cx - 150, cy + 158, cx - 130, cy, cx - 290, cy);
    c.pen.color = ui::clBlack;
    c.pen.width = 6;
    c.brush.setColor(ui::clBlue);
    c.Polygon({{cx - 385, cy + 170}, {cx - 335, cy + 120}, {cx - 285, cy + 170}, {cx - 335, cy + 220}});
    c.Polygon({{cx - 360, cy + 60}, {cx - 330, cy + 20}, {cx - 300, cy + 60}});
    c.Rectangle(cx - 360, cy + 10, cx - 240, cy - 40);
    c.Rectangle(cx - 360, cy - 50, cx - 240, cy - 100);

    // Labels.
    c.brush.style = ui::BrushStyle::Clear;
    c.font.height = 24;
    c.font.color = ui::clBlack;
    c.TextOut(cx + 200, cy + 120, "EDX-Detektor");
    c.TextOut(cx + 170, cy + 10, "Verstärker");
    c.TextOut(cx + 285, cy + 100, "AD-Wandler");
    c.TextOut(cx + 230, cy - 30, "Analysator");
    c.TextOut(cx + 170, 150, "Energiespektrum");
    c.TextOut(cx - 290, cy + 180, "WDX-Detektor");
    c.TextOut(cx - 315, cy + 10, "Verstärker");
    c.TextOut(cx - 220, cy - 80, "Zähler");
    c.TextOut(cx - 220, cy - 30, "Analysator");
    c.TextOut(cx - 220, 153, "Wellenlängenspektrum");
    c.TextOut(cx - 180, cy + 10, "Spektrometer");
}

// One step of the beam, then of the two X-ray tracks, then the peaks at the end. The
// straight track rises 3 pixels a tick and never reaches 128 exactly, so after the beam
// has arrived either the first phase or the reflection draws in every tick.
void TFormREMEDXWDX::TimerWelleTimer() {
    ui::Canvas& c = PaintBoxHaupt.canvas;
    const int cx = centreX, cy = centreY;
    c.pen.width = 10;
    c.pen.color = ui::clRed;
    c.font.color = ui::clBlack;
    if (beamY <= cy + 255) {
        line(c, cx, beamY, cx, beamY + 10);
        beamY += 10;
    }
    if (beamY == 80) {
        c.brush.style = ui::BrushStyle::Clear;
        c.font.height = 18;
        c.font.color = ui::clYellow;
        c.TextOut(cx + 10, 80, "Primärelektronenstrahl");
    }
    if (beamY > cy + 255 && edxRise < 128) {
        c.pen.width = 5;
        c.pen.color = kEdxTrack;
        c.MoveTo(cx + edxTravel, beamY - edxRise);
        edxTravel += 3;
        edxRise += 3;
        c.LineTo(cx + edxTravel, beamY - edxRise);
        c.pen.color = kWdxTrack;
        c.MoveTo(cx - wdxTravel, beamY - wdxRise);
        wdxTravel += 5;
        wdxRise = Round(5 * std::sin(wdxTravel / 1.2) + wdxTravel);
        c.LineTo(cx - wdxTravel, beamY - wdxRise);
    }
    if (beamY > cy + 255 && edxRise > 128) {
        // Reflected by the crystal, the wave runs down to the WDX detector.
        c.pen.width = 5;
        c.pen.color = kWdxTrack;
        c.MoveTo(cx - wdxTravel, beamY - wdxRise);
        wdxTravel += 5;
        wdxRise = 420 - Round(5 * std::sin(wdxTravel / 1.2) + wdxTravel);
        c.LineTo(cx - wdxTravel, beamY - wdxRise);
    }
    if (wdxTravel > 300) {
        c.brush.setColor(ui::clRed);
        c.pen.color = c.brush.color();
        auto peak = [&](const Peak& p) {
            c.Polygon({{cx + p.leftFoot, kPeakFoot}, {cx + p.tipX, p.tipY}, {cx + p.rightFoot, kPeakFoot}});
        };
        for (const Peak& p : kEdxPeaks) peak(p);
        for (const Peak& p : kWdxPeaks) peak(p);
        TimerWelle.setEnabled(false);
    }
}

// "&Start" only lets the timer run: after the end one more reflected segment and the
// peaks are drawn again.
void TFormREMEDXWDX::StartClick() { TimerWelle.setEnabled(true); }

void TFormREMEDXWDX::reset() {
    Repaint();
    beamY = 60;
    edxTravel = 0;
    edxRise = 0;
    wdxTravel = 0;
    wdxRise = 0;
    TimerWelle.setEnabled(false);
}

void TFormREMEDXWDX::Stopp1Click() { reset(); }

void TFormREMEDXWDX::FormClose() { reset(); }

}  // namespace chapters
