#include "chapters/analysis/FormEDXWeg.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "frame/Backdrop.h"
#include "ui/text/TextEngine.h"

namespace chapters {

using frame::Round;

namespace {
const frame::FrameSpec kFrame{
    .className = TFormEDXWeg::kClassName,
    .caption = "Energiedispersives Röntgenspektrometer",
    .color = 0x00FA0555 /* R 85, G 5, B 250 */,
    .menu = {frame::closeItem("Ende1"), frame::escItem("ESC1"), {"Start1", "&Start Primärelektronenstrahl"},
             {"NeuZeichnen1", "&Neu Zeichnen"}},
};

constexpr ui::TColor kDarkPen = 0x000001;
constexpr ui::TColor kSample = 0x808080;
constexpr ui::TColor kCrystal = 0x008000;
constexpr ui::TColor kElectronics = 0x00C350;
constexpr ui::TColor kWaveYellow = 0x00E9FF;
constexpr int kBubbleStart = 170;
constexpr int kBubbleHandOver = 110;  // a row this high lets the next one start

// The spectrum: x of each line (design units) and its growth per red tick (pixels); the
// first line is the main iron K-alpha line, whose height decides the end.
struct SpectrumLine {
    int x;
    int step;
};
constexpr std::array<SpectrumLine, TFormEDXWeg::kSpectrumLines> kSpectrum{{
    // K-alpha iron
    {666, 20}, {668, 16}, {664, 16}, {670, 12}, {662, 12}, {672, 8}, {660, 8},
    // K-beta iron
    {686, 4}, {688, 3}, {684, 3}, {690, 2}, {682, 2}, {692, 1}, {680, 1},
    // K-alpha chromium
    {626, 8}, {628, 6}, {624, 6}, {630, 4}, {622, 4}, {632, 2}, {620, 2},
    // K-beta chromium
    {646, 2}, {648, 1}, {644, 1},
    // L lines
    {494, 4}, {496, 2}, {502, 2},
}};
struct SpectrumLabel {
    int x, y;
    const char* text;
};
constexpr std::array<SpectrumLabel, TFormEDXWeg::kSpectrumLabelCount> kSpectrumLabels{{
    {660, 40, "Kalpha(Fe)"}, {680, 90, "Kbeta(Fe)"},   {570, 40, "Kalpha(Cr)"},
    {600, 90, "Kbeta(Cr)"},  {480, 40, "Lalpha(Fe)"}, {490, 90, "Lalpha(Cr)"},
}};

// The iron lines stand at their true energies on the monitor's drawn axis, each group
// (and its label) keeping the table's spacing round its main line.
// (Correction: the table's x put Fe K-alpha at about 6.7 keV and K-beta at about 7.4.)
struct IronGroup {
    size_t firstLine;  // seven lines from here; the first is the main line
    size_t label;
    double keV;
};
constexpr IronGroup kIron[] = {{0, 0, TFormEDXWeg::kFeKalphaKeV}, {7, 1, TFormEDXWeg::kFeKbetaKeV}};
constexpr size_t kGroupLines = 7;

// The axis labels "0" ... "8" keV (left edges, design units), white, 18 pixels high.
constexpr std::array<int, 5> kAxisLabelX{470, 528, 587, 644, 700};
constexpr int kAxisFontHeight = 18;
}  // namespace

TFormEDXWeg::TFormEDXWeg(ui::Application& app) : TopicForm(app, kFrame) {
    font.height = -11;
    PaintBoxHaupt.setAlign(ui::Align::Client);
    PaintBoxHaupt.color = color();
    PaintBoxHaupt.font = font;
    PaintBoxHaupt.OnPaint = [this] { PaintBoxHauptPaint(); };
    PaintBoxN.color = color();
    PaintBoxN.font = font;
    PaintBoxN.OnPaint = [this] { PaintBoxNPaint(); };
    Start1.OnClick = [this] { Start1Click(); };
    NeuZeichnen1.OnClick = [this] { NeuZeichnen1Click(); };
    TimerStrahl.OnTimer = [this] { TimerStrahlTimer(); };
    TimerN1.OnTimer = [this] { TimerN1Timer(); };
    TimerN2.OnTimer = [this] { TimerN2Timer(); };
    TimerN3.OnTimer = [this] { TimerN3Timer(); };
    TimerQuRed.OnTimer = [this] { TimerQuRedTimer(); };
    TimerQuYell.OnTimer = [this] { TimerQuYellTimer(); };
}

void TFormEDXWeg::FormCreate() {
    placeBy(frame::Pattern::UpTo1024Inclusive);
    // The client alignment of the figure overrides this request.
    PaintBoxHaupt.setBounds(5, 5, X(777), Y(520));
    PaintBoxN.setBounds(X(250), Y(55), X(70), Y(130));
    beamY = Y(110);
    for (size_t k = 0; k < kSpectrum.size(); ++k) spectrumX[k] = kSpectrum[k].x;
    for (size_t k = 0; k < kSpectrumLabels.size(); ++k) spectrumLabelX[k] = kSpectrumLabels[k].x;
    for (const IronGroup& g : kIron) {
        const double shift = energyX(g.keV) - kSpectrum[g.firstLine].x;
        for (size_t k = g.firstLine; k < g.firstLine + kGroupLines; ++k) spectrumX[k] += shift;
        spectrumLabelX[g.label] += shift;
    }
}

// Where an energy lies on the drawn axis: between the centres of the labels of the even
// keV values (a label's centre is half its width, in pixels of the unscaled font, right
// of its left edge), and beyond 8 keV as between 6 and 8.
double TFormEDXWeg::energyX(double keV) const {
    ui::Font f = PaintBoxHaupt.font;
    f.name = "MS Sans Serif";
    f.height = kAxisFontHeight;
    auto centre = [&](size_t i) {
        return kAxisLabelX[i] + ui::text::textWidth(f, std::to_string(2 * i)) / 2.0 / ScaleX;
    };
    const size_t i = std::min(static_cast<size_t>(std::max(keV, 0.0) / 2), kAxisLabelX.size() - 2);
    return centre(i) + (keV - 2.0 * static_cast<double>(i)) / 2 * (centre(i + 1) - centre(i));
}

int TFormEDXWeg::spectrumGoal() const { return Y(-250); }

void TFormEDXWeg::PaintBoxHauptPaint() {
    ui::Canvas& c = PaintBoxHaupt.canvas;
    frame::Design d = design(c);
    // Rings round the sample, black in the middle, then yellow turning blue outwards.
    const int left = X(10), top = Y(599), right = X(40), bottom = Y(400);
    for (int k = 6; k <= 255; ++k) {
        c.brush.style = ui::BrushStyle::Clear;
        c.pen.width = 8;
        c.pen.color = frame::rampColour(k - 6);
        c.Ellipse(left - 6 * k, top - 6 * k, right + 6 * k, bottom + 6 * k);
    }
    // Sample.
    c.font.name = "MS Sans Serif";
    c.pen.style = ui::PenStyle::Solid;
    c.pen.width = 1;
    c.pen.color = ui::clBlack;
    c.brush.setColor(kSample);
    d.Rectangle(20, 450, 120, 500);
    d.Polygon({{20, 450}, {120, 450}, {160, 420}, {60, 420}});
    d.Polygon({{120, 450}, {120, 500}, {160, 470}, {160, 420}});
    // Pole piece.
    c.brush.setColor(ui::clSilver);
    d.Polygon({{40, 30}, {140, 30}, {100, 105}, {80, 105}});
    d.Ellipse(40, 20, 140, 40);
    d.Ellipse(80, 105, 100, 110);
    d.Rectangle(40, 0, 140, 30);
    c.pen.color = ui::clSilver;
    d.Rectangle(41, 0, 139, 30);
    // Detector housing with its crystal.
    c.pen.color = ui::clBlack;
    d.Polygon({{250, 180}, {320, 180}, {320, 260}, {260, 325}, {200, 260}, {250, 210}, {250, 180}});
    c.pen.width = 16;
    c.pen.color = kCrystal;
    d.Polyline({{257, 321}, {224, 298}, {205, 265}});
    // Dewar.
    c.pen.width = 1;
    c.pen.color = ui::clBlack;
    c.brush.setColor(ui::clBlue);
    d.Rectangle(250, 50, 320, 180);
    d.Ellipse(250, 40, 320, 60);
    d.Ellipse(250, 170, 320, 190);
    // Amplifier, AD converter, multichannel analyser and their cables.
    c.pen.width = 7;
    c.pen.color = kCrystal;
    c.brush.setColor(kElectronics);
    d.Polygon({{420, 220}, {345, 185}, {345, 255}});
    d.Rectangle(390, 370, 495, 420);
    d.Rectangle(550, 370, 665, 420);
    c.pen.width = 1;
    c.pen.color = ui::clBlack;
    d.Line(320, 220, 340, 220);
    d.Line(420, 220, 440, 220);
    d.Line(440, 220, 440, 370);
    d.Line(495, 395, 550, 395);
    d.Line(610, 365, 610, 337);
    // Monitor.
    c.brush.setColor(ui::clRed);
    d.Rectangle(450, 20, 766, 360);
    c.brush.setColor(ui::clWhite);
    d.Rectangle(470, 40, 746, 300);
    // Labels.
    c.brush.style = ui::BrushStyle::Clear;
    c.font.color = ui::clWhite;
    c.font.height = kAxisFontHeight;
    for (size_t i = 0; i < kAxisLabelX.size(); ++i) d.TextOut(kAxisLabelX[i], 310, std::to_string(2 * i));
    d.TextOut(580, 330, "Energie / keV");
    d.TextOut(460, 20, "Intensität");
    c.font.color = ui::clBlack;
    c.font.height = 24;
    d.TextOut(200, 10, "flüssiger Stickstoff");
    d.TextOut(240, 220, "EDX-");
    d.TextOut(230, 240, "Detektor");
    d.TextOut(50, 460, "Probe");
    d.TextOut(340, 160, "Verstärker");
    d.TextOut(390, 430, "AD-Wandler");
    d.TextOut(540, 430, "Vielkanalanalysator");
}

// The liquid, below the top 10 rows of the box; every paint lets the bubbles rise.
void TFormEDXWeg::PaintBoxNPaint() {
    TimerN1.setEnabled(true);
    TimerN2.setEnabled(true);
    TimerN3.setEnabled(true);
    ui::Canvas& c = PaintBoxN.canvas;
    c.brush.setColor(ui::clBlue);
    c.pen.color = ui::clBlue;
    c.Rectangle(0, 10, width(), height());
}

// One bubble row rises 2 pixels: eight bubbles 10 pixels apart, each a white 2 x 2 dot
// with a blue one below that wipes out its trail. A row takes 85 ticks from 170 to the
// top; at 110 it lets the next row start, so the rows rise 60 pixels apart.
void TFormEDXWeg::riseBubbles(int row, ui::Timer* next) {
    ui::Canvas& c = PaintBoxN.canvas;
    const size_t r = static_cast<size_t>(row);
    int& y = bubbleY[r];
    const int x0 = bubbleX[r];
    c.pen.width = 1;
    c.pen.mode = ui::PenMode::Copy;
    auto dot = [&c](int x, int top, ui::TColor colour) {
        c.pen.color = colour;
        c.brush.setColor(colour);
        c.Ellipse(x, top, x + 2, top + 2);
    };
    if (y >= 0) {
        dot(x0, y - 2, ui::clWhite);  // the first bubble's white dot comes before the step
        y -= 2;
        dot(x0, y + 2, ui::clBlue);
        for (int j = 1; j < 8; ++j) {
            const int x = x0 + 10 * j;
            if (j % 2 == 1) {
                dot(x, y - 12, ui::clWhite);
                dot(x, y - 8, ui::clBlue);
            } else {
                dot(x, y - 2, ui::clWhite);
                dot(x, y + 2, ui::clBlue);
            }
        }
    }
    if (next && y <= kBubbleHandOver) next->setEnabled(true);
    if (y <= 0) {
        y = kBubbleStart;
        c.pen.color = ui::clBlue;
        c.brush.setColor(ui::clBlue);
        c.Rectangle(0, 0, width(), 3);
    }
}

void TFormEDXWeg::TimerN1Timer() { riseBubbles(0, &TimerN2); }
void TFormEDXWeg::TimerN2Timer() { riseBubbles(1, &TimerN3); }
void TFormEDXWeg::TimerN3Timer() { riseBubbles(2, nullptr); }

// The beam runs down 10 pixels a tick to the sample, then hands over to the X-ray.
void TFormEDXWeg::TimerStrahlTimer() {
    ui::Canvas& c = PaintBoxHaupt.canvas;
    frame::Design d = design(c);
    c.pen.width = 10;
    c.pen.color = ui::clRed;
    c.font.color = ui::clRed;
    d.TextOut(100, 120, "Elektronenstrahl");
    if (beamY <= Y(425)) {
        c.MoveTo(X(90), beamY);
        c.LineTo(X(90), beamY + 10);
        beamY += 10;
    }
    if (beamY >= Y(425)) {
        TimerQuRed.setEnabled(true);
        TimerStrahl.setEnabled(false);
    }
}

// The X-ray from the sample to the detector, drawn in the pen as it is.
void TFormEDXWeg::wave() {
    ui::Canvas& c = PaintBoxHaupt.canvas;
    std::vector<ui::Point> pts{{X(115), Y(410)}};
    for (int i = 115; i <= 200; ++i) pts.push_back({X(i), Y(Round(15 * std::sin(i / 4.0) + 520 - i))});
    c.Polyline(pts);
}

// Red half of the flashing: label, red wave, red cables, and one growth step of every
// spectrum line; then the yellow half follows.
void TFormEDXWeg::TimerQuRedTimer() {
    if (spectrumHeight[0] <= spectrumGoal()) return;
    ui::Canvas& c = PaintBoxHaupt.canvas;
    frame::Design d = design(c);
    c.pen.width = 10;
    c.font.color = ui::clRed;
    c.font.height = Round(16 * ScaleX);
    c.pen.color = ui::clRed;
    d.TextOut(180, 360, "charakteristische");
    d.TextOut(180, 380, "Röntgenstrahlung");
    c.pen.width = 5;
    wave();
    d.Line(320, 220, 340, 220);
    d.Line(420, 220, 440, 220);
    d.Line(440, 220, 440, 370);
    d.Line(495, 395, 550, 395);
    d.Line(610, 365, 610, 357);
    c.pen.width = 4;
    for (size_t k = 0; k < kSpectrum.size(); ++k) {
        c.MoveTo(X(spectrumX[k]), Y(300));
        c.LineTo(X(spectrumX[k]), Y(300) + spectrumHeight[k]);
        spectrumHeight[k] -= kSpectrum[k].step;
    }
    for (size_t k = 0; k < kSpectrumLabels.size(); ++k)
        d.TextOut(spectrumLabelX[k], kSpectrumLabels[k].y, kSpectrumLabels[k].text);
    TimerQuYell.setEnabled(true);
    TimerQuRed.setEnabled(false);
}

// Yellow half: the wave wiped out in yellow; once the spectrum is complete the wave is
// drawn red for good.
void TFormEDXWeg::TimerQuYellTimer() {
    ui::Canvas& c = PaintBoxHaupt.canvas;
    c.pen.width = 10;
    c.font.color = ui::clBlack;
    c.pen.color = kWaveYellow;
    if (spectrumHeight[0] > spectrumGoal()) {
        c.pen.width = 5;
        wave();
    }
    TimerQuYell.setEnabled(false);
    TimerQuRed.setEnabled(true);
    if (spectrumHeight[0] <= spectrumGoal()) {
        c.pen.color = ui::clRed;
        c.pen.width = 5;
        wave();
    }
}

void TFormEDXWeg::resetState() {
    beamY = Y(110);
    for (size_t r = 0; r < kBubbleRows; ++r) {
        bubbleX[r] = 10;
        bubbleY[r] = kBubbleStart;
    }
    spectrumHeight.fill(0);
}

void TFormEDXWeg::Start1Click() { TimerStrahl.setEnabled(true); }

// The figure is drawn anew over everything; the bubbles restart together.
void TFormEDXWeg::NeuZeichnen1Click() {
    PaintBoxHaupt.canvas.pen.width = 1;
    PaintBoxHaupt.canvas.pen.color = kDarkPen;
    PaintBoxHauptPaint();
    PaintBoxNPaint();
    TimerQuYell.setEnabled(false);
    TimerQuRed.setEnabled(false);
    TimerStrahl.setEnabled(false);
    resetState();
}

// Everything stops until the window is painted again (the dewar's repaint on close comes
// after the window has gone and so does not start the bubbles).
void TFormEDXWeg::FormClose() {
    for (ui::Timer* t : {&TimerStrahl, &TimerN1, &TimerN2, &TimerN3, &TimerQuRed, &TimerQuYell}) t->setEnabled(false);
    PaintBoxHaupt.canvas.pen.width = 1;
    PaintBoxHaupt.canvas.pen.color = kDarkPen;
    PaintBoxN.invalidate();
    resetState();
}

}  // namespace chapters
