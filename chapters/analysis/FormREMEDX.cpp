#include "chapters/analysis/FormREMEDX.h"

#include <string>

namespace chapters {

using frame::Round;

namespace {
const frame::FrameSpec kFrame{
    .className = TFormREMEDX::kClassName,
    .caption = "EDX-Analyse",
    .designPPI = frame::kDesign120,
    .color = 0x00FB0058 /* R 88, G 0, B 251 */,
    .menu = {frame::closeItem("Ende1"), frame::escItem("ESC1"), {"SpektrumGesamtbild1", "&Spektrum Gusseisen"},
             {"SpektrumGraphit1", "Spektrum &Graphit"}, {"SpektrumPerlit1", "Spektrum &Perlit"}, {"Neu1", "&Neu"}},
};

constexpr ui::TColor kPictureFrame = 0x80FFFF;
constexpr ui::TColor kTextPanel = 0x01DEFE;

// x of the lines of the whole-picture panel; the other panels lie 265 and 540 further right.
constexpr std::array<int, TFormREMEDX::kLines> kLineX{162, 164, 166, 168, 170, 16,  18,  20,
                                                      22,  24,  176, 178, 180, 10,  12,  14};
constexpr int kPanelGraphit = 265;
constexpr int kPanelPerlit = 540;

// Growth per tick of each line (0: the line is not drawn).
constexpr std::array<int, TFormREMEDX::kLines> kStepsBild{4, 8, 9, 8, 4, 1, 2, 3, 2, 1, 1, 2, 1, 1, 3, 1};
constexpr std::array<int, TFormREMEDX::kLines> kStepsGraphit{0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 5, 10, 5};
constexpr std::array<int, TFormREMEDX::kLines> kStepsPerlit{4, 8, 9, 8, 4, 1, 2, 3, 2, 1, 1, 2, 1, 1, 1, 0};
// The lines the growth and end tests look at, and the height where growth stops.
constexpr size_t kIronKalphaMiddle = 2;
constexpr size_t kCarbonMiddle = 14;
constexpr size_t kCarbonLast = 15;
constexpr int kPeakLimit = 380;

void spectrumPen(ui::Canvas& c) {
    c.pen.width = 3;
    c.pen.color = ui::clRed;
    c.brush.setColor(ui::clRed);
}
}  // namespace

TFormREMEDX::TFormREMEDX(ui::Application& app) : TopicForm(app, kFrame) {
    font.height = -14;
    PaintBoxHaupt.color = color();
    PaintBoxHaupt.font = font;
    PaintBoxHaupt.OnPaint = [this] { PaintBoxHauptPaint(); };
    ImageBild.stretch = false;
    ImageBild.setPicture(frame::loadPhoto(kPhotos[0]));
    SpektrumGesamtbild1.OnClick = [this] { SpektrumGesamtbild1Click(); };
    SpektrumGraphit1.OnClick = [this] { SpektrumGraphit1Click(); };
    SpektrumPerlit1.OnClick = [this] { SpektrumPerlit1Click(); };
    Neu1.OnClick = [this] { Neu1Click(); };
    TimerBild.OnTimer = [this] { TimerBildTimer(); };
    TimerGraphit.OnTimer = [this] { TimerGraphitTimer(); };
    TimerPerlit.OnTimer = [this] { TimerPerlitTimer(); };
}

void TFormREMEDX::FormCreate() {
    placeBy(frame::Pattern::UpTo1024Inclusive);
    PaintBoxHaupt.setBounds(1, 5, X(790), Y(530));
    // The photograph keeps its size and sits in the middle of the yellow picture frame.
    ImageBild.setBounds(Round((600 * ScaleX - 600) / 2), Round((320 * ScaleY - 320) / 2), 600, 333);
    setLines(0);
}

void TFormREMEDX::PaintBoxHauptPaint() {
    ui::Canvas& c = PaintBoxHaupt.canvas;
    frame::Design d = design(c);
    c.font.name = "MS Sans Serif";
    c.pen.style = ui::PenStyle::Solid;
    c.pen.width = 1;
    c.pen.color = 0x000001;
    c.brush.setColor(kPictureFrame);
    d.Rectangle(0, 0, 600, 320);
    // The three spectrum panels.
    c.brush.setColor(ui::clWhite);
    d.Rectangle(0, 330, 260, 525);
    d.Rectangle(5, 350, 255, 510);
    d.Rectangle(265, 330, 525, 525);
    d.Rectangle(270, 350, 520, 510);
    d.Rectangle(530, 330, 790, 525);
    d.Rectangle(535, 350, 785, 510);
    // Text panel.
    c.brush.setColor(kTextPanel);
    d.Rectangle(615, 1, 790, 330);
    c.font.height = Round(16 * ScaleX);
    c.brush.style = ui::BrushStyle::Clear;
    c.font.color = ui::clBlack;
    static constexpr const char* kText[] = {
        "Die rasterelektronen-", "mikroskopische Aufnahme", "zeigt das Gefüge eines", "perlitischen Gusseisens, ",
        "(Grauguss GG),",        "mit lamellarem Graphit",  "(REM-Bild: dunkle Streifen)", "Die energiedispersive",
        "Röntgenspektroskopie",  "(EDX) liefert verschiedene", "Spektren (siehe Menue):",
    };
    int y = 10;
    for (const char* line : kText) {
        d.TextOut(618, y, line);
        y += 20;
    }
    d.TextOut(638, 240, "REM-Aufnahme");
    // Scale bar, 5 µm. The photograph is shown at its own size on every screen, so the bar
    // keeps its 800x600 length of 100 pixels, centred on design x 690 as the bar from 640
    // to 740 was; its ticks are 14 design units high. (A bar scaled with the screen was
    // 28 % too long at 1024x768.)
    const int barMid = X(690), barLeft = barMid - kScaleBarPixels / 2, barRight = barLeft + kScaleBarPixels;
    c.MoveTo(barLeft, Y(270));
    c.LineTo(barRight, Y(270));
    c.MoveTo(barLeft, Y(263));
    c.LineTo(barLeft, Y(277));
    c.MoveTo(barRight, Y(263));
    c.LineTo(barRight, Y(277));
    d.TextOut(666, 275, "5");
    d.TextOut(686, 275, "m");
    // Axis labels of the panels.
    c.font.height = Round(12 * ScaleX);
    for (int offset : {0, 265, 530}) d.TextOut(offset + 5, 333, "Intensität");
    for (int offset : {0, 265, 540})
        for (int e = 1; e <= 8; ++e) d.TextOut(25 * e + offset, 510, std::to_string(e));
    d.TextOut(226, 510, "E/keV");
    d.TextOut(486, 510, "E/keV");
    d.TextOut(755, 510, "E/keV");
    // The Symbol face shows "m" as the Greek mu.
    c.font.height = 16;
    c.font.name = "Symbol";
    d.TextOut(676, 275, "m");
}

// Each line grows upwards from its current top by its step.
void TFormREMEDX::growLines(const std::array<int, kLines>& steps) {
    frame::Design d = design(PaintBoxHaupt.canvas);
    for (size_t k = 0; k < kLines; ++k) {
        if (steps[k] == 0) continue;
        d.Line(spectrumX[k], spectrumTop[k], spectrumX[k], spectrumTop[k] - steps[k]);
        spectrumTop[k] -= steps[k];
    }
}

void TFormREMEDX::labelFont() {
    ui::Canvas& c = PaintBoxHaupt.canvas;
    c.font.name = "MS Sans Serif";
    c.brush.style = ui::BrushStyle::Clear;
    c.font.height = Round(16 * ScaleX);
}

// The spectrum is complete: its timer stops and the window takes input again.
void TFormREMEDX::finishSpectrum(ui::Timer& timer) {
    timer.setEnabled(false);
    setEnabled(true);
}

// 15 ticks: the middle iron K-alpha line ends 135 units high.
void TFormREMEDX::TimerBildTimer() {
    ui::Canvas& c = PaintBoxHaupt.canvas;
    frame::Design d = design(c);
    spectrumPen(c);
    if (spectrumTop[kIronKalphaMiddle] >= kPeakLimit) growLines(kStepsBild);
    if (spectrumTop[kIronKalphaMiddle] < kPeakLimit) {
        labelFont();
        d.TextOut(24, 450, "Fe");
        d.TextOut(160, 360, "Fe");
        d.TextOut(180, 460, "Fe");
        d.TextOut(10, 450, "C");
        d.TextOut(130, 333, "Spektrum Gusseisen");
        finishSpectrum(TimerBild);
    }
}

// 14 ticks: the middle carbon line ends 140 units high.
void TFormREMEDX::TimerGraphitTimer() {
    ui::Canvas& c = PaintBoxHaupt.canvas;
    frame::Design d = design(c);
    spectrumPen(c);
    if (spectrumTop[kCarbonLast] >= kPeakLimit) growLines(kStepsGraphit);
    if (spectrumTop[kCarbonMiddle] < kPeakLimit) {
        labelFont();
        c.TextOut(Round(10 * ScaleX + 265 * ScaleX), Y(350), "C");
        d.TextOut(415, 333, "Spektrum Graphit");
        finishSpectrum(TimerGraphit);
    }
}

// 15 ticks, as the whole picture but with less carbon.
void TFormREMEDX::TimerPerlitTimer() {
    ui::Canvas& c = PaintBoxHaupt.canvas;
    frame::Design d = design(c);
    spectrumPen(c);
    if (spectrumTop[kIronKalphaMiddle] >= kPeakLimit) growLines(kStepsPerlit);
    if (spectrumTop[kIronKalphaMiddle] < kPeakLimit) {
        labelFont();
        auto panel = [this](double a) { return Round(a * ScaleX + 530 * ScaleX); };
        c.TextOut(panel(24), Y(450), "Fe");
        c.TextOut(panel(160), Y(360), "Fe");
        c.TextOut(panel(180), Y(460), "Fe");
        d.TextOut(5 + 530, 480, "C");
        d.TextOut(685, 333, "Spektrum Perlit");
        finishSpectrum(TimerPerlit);
    }
}

void TFormREMEDX::setLines(int panelOffset) {
    for (size_t k = 0; k < kLines; ++k) {
        spectrumX[k] = kLineX[k] + panelOffset;
        spectrumTop[k] = kBaseline;
    }
}

// The window takes no input (menu and Esc included) until the spectrum is complete.
void TFormREMEDX::startSpectrum(ui::MenuItem& item, int panelOffset, ui::Timer& timer) {
    setEnabled(false);
    item.setEnabled(false);
    setLines(panelOffset);
    timer.setEnabled(true);
}

void TFormREMEDX::SpektrumGesamtbild1Click() { startSpectrum(SpektrumGesamtbild1, 0, TimerBild); }
void TFormREMEDX::SpektrumGraphit1Click() { startSpectrum(SpektrumGraphit1, kPanelGraphit, TimerGraphit); }
void TFormREMEDX::SpektrumPerlit1Click() { startSpectrum(SpektrumPerlit1, kPanelPerlit, TimerPerlit); }

// The spectra disappear and can be drawn again; a growing one goes on over the fresh figure.
void TFormREMEDX::Neu1Click() {
    SpektrumGesamtbild1.setEnabled(true);
    SpektrumGraphit1.setEnabled(true);
    SpektrumPerlit1.setEnabled(true);
    Repaint();
}

void TFormREMEDX::FormClose() {
    setEnabled(true);
    TimerBild.setEnabled(false);
    TimerGraphit.setEnabled(false);
    TimerPerlit.setEnabled(false);
    SpektrumGesamtbild1.setEnabled(true);
    SpektrumGraphit1.setEnabled(true);
    SpektrumPerlit1.setEnabled(true);
    Repaint();
}

}  // namespace chapters
