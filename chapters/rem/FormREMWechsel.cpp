#include "chapters/rem/FormREMWechsel.h"

#include <cmath>

#include "frame/Layout.h"

namespace chapters {

using frame::Round;

namespace {
const frame::FrameSpec kFrame{
    .className = TFormREMWechsel::kClassName,
    .caption = "Wechselwirkungen zwischen Primärelektronenstrahl und Probe",
    .color = 0x00FA0555 /* R 85, G 5, B 250 */,
    .menu = {frame::closeItem("Ende"), frame::escItem("ESC"), {"Start", "&Start"}, {"Stopp1", "&Neu Zeichnen"}},
    .placement = frame::Pattern::UpTo1024Exclusive,
    .scaled = false,
};

constexpr ui::TColor kPanel = 0xFFB7BE;
constexpr ui::TColor kOutline = 0x000001;
constexpr ui::TColor kBench = 0x8B7374;
constexpr ui::TColor kSecondary = 0x008000;
constexpr ui::TColor kBackscattered = 0xFF0000;
constexpr ui::TColor kXraySteep = 0x0000C8;
constexpr ui::TColor kXrayShallow = 0x000064;
constexpr int kTrackLength = 240;  // the tracks stop when the secondary one has risen this far
}  // namespace

TFormREMWechsel::TFormREMWechsel(ui::Application& app) : TopicForm(app, kFrame) {
    font.height = -11;
    PaintBoxHaupt.setAlign(ui::Align::Client);
    PaintBoxHaupt.color = color();  // it shows the window's colour
    PaintBoxHaupt.font = font;
    PaintBoxHaupt.OnPaint = [this] { PaintBoxHauptPaint(); };
    Start.OnClick = [this] { StartClick(); };
    Stopp1.OnClick = [this] { Stopp1Click(); };
    TimerWelle.OnTimer = [this] { TimerWelleTimer(); };
}

void TFormREMWechsel::FormCreate() {
    TopicForm::FormCreate();
    const bool narrow = screenWidth() < 1024;
    FW = narrow ? 800 : 1024;
    FH = narrow ? 600 : 768;
}

void TFormREMWechsel::PaintBoxHauptPaint() {
    ui::Canvas& c = PaintBoxHaupt.canvas;
    const int W = PaintBoxHaupt.width();
    const int H = PaintBoxHaupt.height();
    const int x0 = cx();
    const int y0 = cy();
    c.font.name = "MS Sans Serif";
    c.pen.style = ui::PenStyle::Solid;
    c.pen.width = 1;
    c.pen.color = kOutline;
    c.brush.setColor(kPanel);
    c.Rectangle(20, 20, W - 20, H - 20);
    // Backdrop: black at the bottom of the figure, then yellow through grey to blue upwards.
    for (int i = 0; i <= 255; ++i) {
        c.pen.width = 4;
        c.pen.color = static_cast<ui::TColor>(i * 0xFEFF);
        c.MoveTo(0, FH - 4 * i);
        c.LineTo(W, FH - 4 * i);
    }
    // The bench the sample stands on; the pen keeps the backdrop's width.
    c.pen.color = ui::clBlack;
    c.brush.setColor(kBench);
    c.Rectangle(0, y0 + 120, W, H - 20);
    c.brush.setColor(ui::clBlue);
    c.Rectangle(0, y0 + 170, W, H);
    // Sample block: front, top and side face.
    c.brush.setColor(ui::clSilver);
    c.Rectangle(x0 - 250, y0 + 100, x0 + 150, y0 + 170);
    c.Polygon({{x0 - 250, y0 + 100}, {x0 - 200, y0 + 70}, {x0 + 200, y0 + 70}, {x0 + 150, y0 + 100}});
    c.Polygon({{x0 + 200, y0 + 70}, {x0 + 200, y0 + 140}, {x0 + 150, y0 + 170}, {x0 + 150, y0 + 100}});
    c.brush.style = ui::BrushStyle::Clear;
    c.font.height = 32;
    c.TextOut(x0 - 80, y0 + 120, "Probe");
    // Pole piece.
    c.brush.setColor(ui::clSilver);
    c.Polygon({{x0 - 50, 30}, {x0 + 50, 30}, {x0 + 10, 65}, {x0 - 10, 65}});
    c.Ellipse(x0 - 50, 20, x0 + 50, 40);
    c.Ellipse(x0 - 10, 65, x0 + 10, 70);
    c.Rectangle(x0 - 50, 0, x0 + 50, 30);
    c.pen.color = ui::clSilver;
    c.Rectangle(x0 - 45, 0, x0 + 45, 30);
    c.pen.color = ui::clBlack;
}

// One step of the beam, then of the four tracks; once the tracks are complete every
// tick writes the labels again (the timer never stops by itself).
void TFormREMWechsel::TimerWelleTimer() {
    ui::Canvas& c = PaintBoxHaupt.canvas;
    const int H = PaintBoxHaupt.height();
    const int x0 = cx();
    const int y0 = cy();
    c.pen.width = 20;
    c.pen.color = ui::clYellow;
    c.font.color = ui::clBlack;
    if (beamY <= y0 + 70) {
        c.MoveTo(x0, beamY);
        c.LineTo(x0, beamY + 10);
        beamY += 10;
    }
    if (beamY == 80) {
        c.brush.style = ui::BrushStyle::Clear;
        c.font.height = 28;
        c.font.color = ui::clYellow;
        c.TextOut(x0 + 100, beamY - 70, "Primärelektronenstrahl");
    }
    if (beamY > y0 + 70 && seY < kTrackLength) {
        c.pen.width = 10;
        auto segment = [&](ui::TColor colour, int x1, int y1, int x2, int y2) {
            c.pen.color = colour;
            c.MoveTo(x1, y1);
            c.LineTo(x2, y2);
        };
        segment(kSecondary, x0 + seX, beamY - seY, x0 + seX + 10, beamY - seY - 10);
        seX += 10;
        seY += 10;
        segment(kBackscattered, x0 + bseX, beamY - bseY, x0 + bseX + 5, beamY - bseY - 10);
        bseX += 5;
        bseY += 10;
        const int wdxFrom = wdxX, wdxFromY = wdxY;
        wdxX += 10;
        wdxY = Round(20 * std::sin(wdxX / 6.0) + 1.2 * wdxX);
        segment(kXraySteep, x0 - wdxFrom, beamY - wdxFromY, x0 - wdxX, beamY - wdxY);
        const int edxFrom = edxX, edxFromY = edxY;
        edxX += 10;
        edxY = Round(20 * std::sin(edxX / 6.0) + 0.5 * edxX);
        segment(kXrayShallow, x0 - edxFrom, beamY - edxFromY, x0 - edxX, beamY - edxY);
    }
    if (seY == kTrackLength) {
        // The brush is left as it is (clear since the beam label).
        c.font.color = ui::clWhite;
        c.font.height = 28;
        c.TextOut(x0 + 250, beamY - seY - 10, "SE-Detektor");
        c.TextOut(x0 + 250, beamY - seY + 10, "Sekundär-");
        c.TextOut(x0 + 250, beamY - seY + 30, "elektronen");
        c.TextOut(x0 + 30, beamY - bseY - 50, "BSE-Detektor");
        c.TextOut(x0 + 30, beamY - bseY - 30, "Rückstreuelektronen");
        c.TextOut(x0 - 370, beamY - wdxY - 10, "WDX-Detektor");
        c.TextOut(x0 - 370, beamY - wdxY + 80, "charakteristische");
        c.TextOut(x0 - 370, beamY - wdxY + 100, "Röntgenstrahlen");
        c.TextOut(x0 - 370, beamY - wdxY + 170, "EDX-Detektor");
        c.TextOut(10, H - 100, "Wechselwirkungen zwischen Elektronen und Probe die von den aufgeführten ");
        c.TextOut(10, H - 70, "Detektoren gemessen und zur Bilderzeugung und Mikrobereichsanalyse ");
        c.TextOut(10, H - 40, "genutzt werden");
    }
}

void TFormREMWechsel::StartClick() { TimerWelle.setEnabled(true); }

// Wipes tracks and labels and makes the next run start with the beam at the pole piece.
void TFormREMWechsel::Stopp1Click() {
    Repaint();
    beamY = 60;
    seX = seY = bseX = bseY = wdxX = wdxY = edxX = edxY = 0;
    TimerWelle.setEnabled(false);
}

void TFormREMWechsel::FormClose() { Stopp1Click(); }

}  // namespace chapters
