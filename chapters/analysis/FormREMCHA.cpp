#include "chapters/analysis/FormREMCHA.h"

#include <cmath>

#include "frame/Atom.h"
#include "frame/Invert.h"

namespace chapters {

using frame::div;
using frame::Round;

namespace {
const frame::FrameSpec kFrame{
    .className = TFormREMCHA::kClassName,
    .caption = "Charakteristische Röntgenstrahlen: Schematische Darstellung der Ionisation eines Probenatoms",
    .color = ui::clYellow,
    .menu = {frame::closeItem("Ende"), frame::escItem("ESC"), {"Start", "&Primärelektron"},
             {"ZurckfallendesElektron1", "Zurückfallendes Elektron"}, {"Neu", "&Neu Zeichnen"}},
    .placement = frame::Pattern::UpTo1024Exclusive,
};
constexpr ui::TColor kWave = 200;  // dark red
}  // namespace

TFormREMCHA::TFormREMCHA(ui::Application& app) : TopicForm(app, kFrame) {
    font.height = -14;
    PaintBoxHaupt.font = font;
    ZurckfallendesElektron1.setEnabled(false);
    Start.OnClick = [this] { StartClick(); };
    ZurckfallendesElektron1.OnClick = [this] { ZurckfallendesElektron1Click(); };
    Neu.OnClick = [this] { NeuClick(); };
    TimerPri.OnTimer = [this] { TimerPriTimer(); };
    TimerZurueck.OnTimer = [this] { TimerZurueckTimer(); };
}

// The figure follows the window size, not the layout scale.
void TFormREMCHA::FormCreate() {
    TopicForm::FormCreate();
    PaintBoxHaupt.setBounds(0, 0, width() - 10, height() - 60);
}

// The atom: nucleus and glow, the two dotted shells and ten electrons. Every paint
// puts the electrons back where they started (all but the wave's wiggle).
void TFormREMCHA::FormPaint() {
    ui::Canvas& c = canvas;
    const int W = width();
    const int H = height();
    centreX = div(W, 2);
    centreY = div(H, 2) - 40;
    innerRadius = Round(W / 7.0);
    outerRadius = Round(W / 3.4);
    innerLeftX = centreX - innerRadius;
    outerLeftX = centreX - outerRadius;
    primaryX = innerLeftX;
    primaryY = -20;
    ejectedX = innerLeftX;
    ejectedY = centreY;
    fallingX = outerLeftX;
    waveTravel = outerLeftX;
    waveDrift = 0;
    c.pen.mode = ui::PenMode::Copy;
    c.font.name = "MS Sans Serif";

    frame::paintNucleus(c, centreX, centreY, Round(W / 4.0));

    c.pen.style = ui::PenStyle::Dot;
    c.pen.width = 1;
    c.pen.color = ui::clBlue;
    c.brush.style = ui::BrushStyle::Clear;
    frame::disc(c, centreX, centreY, innerRadius);
    frame::disc(c, centreX, centreY, outerRadius);

    c.brush.setColor(ui::clBlue);
    c.pen.color = ui::clBlue;
    const int dx = Round(W / 5.0);
    const int dy = Round(H / 3.5);
    const int dz = Round(H / 2.6);
    const ui::Point electrons[] = {
        {centreX - innerRadius, centreY}, {centreX + innerRadius, centreY}, {centreX - outerRadius, centreY},
        {centreX + outerRadius, centreY}, {centreX - dx, centreY - dy},    {centreX - dx, centreY + dy},
        {centreX + dx, centreY - dy},     {centreX + dx, centreY + dy},    {centreX, centreY + dz},
        {centreX, centreY - dz}};
    for (const ui::Point& e : electrons) frame::disc(c, e.x, e.y, 20);

    c.brush.style = ui::BrushStyle::Clear;
    c.font.height = 24;
    c.font.color = ui::clBlack;
    c.TextOut(centreX, centreY - 60, "Atomkern");
}

// The moving discs, each of radius 20 about its reference point.
void TFormREMCHA::drawPrimary() { frame::disc(PaintBoxHaupt.canvas, primaryX + 28, primaryY, 20); }
void TFormREMCHA::drawEjected() { frame::disc(PaintBoxHaupt.canvas, ejectedX - 1, ejectedY, 20); }
void TFormREMCHA::drawFalling() { frame::disc(PaintBoxHaupt.canvas, fallingX - 1, centreY, 20); }

// Stage 1: the primary electron comes down, is scattered and knocks the inner electron
// out; at 1024 x 768 it ends after 127 ticks.
void TFormREMCHA::TimerPriTimer() {
    ui::Canvas& c = PaintBoxHaupt.canvas;
    frame::invertingDiscs(c);
    const int H = height();
    const int scatterEnd = centreY - 50 + Round(H / 2.0);
    const int ejectEnd = centreY - 60 + Round(H / 2.0);
    if (primaryY <= centreY - 35) frame::moveInverted([this] { drawPrimary(); }, [this] { primaryY += 5; });
    if (centreY - 35 <= primaryY && primaryY <= scatterEnd)
        frame::moveInverted([this] { drawPrimary(); }, [this] {
            primaryY += 6;
            primaryX += 1;
        });
    if (centreY - 35 <= primaryY && primaryY <= ejectEnd)
        frame::moveInverted([this] { drawEjected(); }, [this] {
            ejectedY += 2;
            ejectedX -= 4;
        });
    if (primaryY >= scatterEnd) {
        c.brush.style = ui::BrushStyle::Clear;
        c.font.height = 24;
        c.font.color = ui::clBlack;
        c.TextOut(primaryX - 220, primaryY - 10, "anregendes Primärelektron");
        c.TextOut(ejectedX - 100, ejectedY + 20, "angeregtes Elektron");
        primaryEndX = primaryX;
        primaryEndY = primaryY;
        ejectedEndX = ejectedX;
        ejectedEndY = ejectedY;
        c.pen.color = ui::clBlack;
        c.pen.width = 2;
        c.MoveTo(innerLeftX + 20, -20);
        c.LineTo(innerLeftX + 20, centreY);
        c.MoveTo(innerLeftX + 21, centreY - 5);
        c.LineTo(primaryEndX + 30, primaryEndY);
        c.MoveTo(innerLeftX, centreY);
        c.LineTo(ejectedEndX, ejectedEndY);
        c.pen.mode = ui::PenMode::Copy;
        c.brush.setColor(ui::clBlue);
        c.Polygon({{innerLeftX + 20, centreY - 130}, {innerLeftX + 30, centreY - 160}, {innerLeftX + 10, centreY - 160}});
        const int px = primaryEndX, py = primaryEndY;
        c.Polygon({{px + 29, py - 45}, {px + 9, py - 41}, {px + 26, py - 15}});
        const int ex = ejectedEndX, ey = ejectedEndY;
        c.Polygon({{ex + 40, ey - 30}, {ex + 47, ey - 13}, {ex + 18, ey - 9}});
        TimerPri.setEnabled(false);
        ZurckfallendesElektron1.setEnabled(true);
    }
}

// The photon wave's point: its x is built from centreY and its y from centreX, so it
// starts at y = outerRadius and runs up and to the left.
ui::Point TFormREMCHA::wavePoint() const {
    return {centreY - waveWiggle - 30 - waveDrift, centreX - waveTravel};
}

// Stage 2: the outer electron falls into the vacancy while the photon leaves; at
// 1024 x 768 it ends after 31 ticks.
void TFormREMCHA::TimerZurueckTimer() {
    ui::Canvas& c = PaintBoxHaupt.canvas;
    frame::invertingDiscs(c);
    ZurckfallendesElektron1.setEnabled(false);
    const int bound = centreX - Round(width() / 7.0) - 2;
    if (fallingX <= bound) {
        frame::moveInverted([this] { drawFalling(); }, [this] { fallingX += 5; });
        c.pen.mode = ui::PenMode::Copy;
        c.pen.color = kWave;
        c.pen.width = 6;
        const ui::Point from = wavePoint();
        c.MoveTo(from.x, from.y);
        waveTravel += 6;
        waveDrift += 3;
        waveWiggle = Round(20 * std::sin(waveTravel / 4.0));
        const ui::Point to = wavePoint();
        c.LineTo(to.x, to.y);
        c.pen.mode = ui::PenMode::NotXor;
    }
    if (fallingX >= bound) {
        c.brush.setColor(ui::clRed);
        c.font.height = 30;
        c.font.color = ui::clWhite;
        c.TextOut(centreY - waveWiggle - 220, centreX - waveTravel - 50, " Röntgenphoton ");
        c.font.color = ui::clBlack;
        c.brush.style = ui::BrushStyle::Clear;
        c.font.height = 24;
        const int W = width();
        c.TextOut(centreX - Round(W / 2.1), centreY - 48, "zurückfallendes");
        c.TextOut(centreX - Round(W / 2.3), centreY - 20, "Elektron");
        c.pen.color = ui::clBlack;
        c.pen.width = 2;
        c.MoveTo(outerLeftX, centreY);
        c.LineTo(innerLeftX, centreY);
        c.pen.mode = ui::PenMode::Copy;
        c.brush.setColor(ui::clBlue);
        c.Polygon({{outerLeftX + 70, centreY}, {outerLeftX + 40, centreY - 10}, {outerLeftX + 40, centreY + 10}});
        ZurckfallendesElektron1.setEnabled(false);
        TimerZurueck.setEnabled(false);
    }
}

void TFormREMCHA::StartClick() {
    TimerPri.setEnabled(true);
    Start.setEnabled(false);
}

void TFormREMCHA::ZurckfallendesElektron1Click() { TimerZurueck.setEnabled(true); }

void TFormREMCHA::NeuClick() {
    Start.setEnabled(true);
    Repaint();
    primaryY = -20;
    TimerPri.setEnabled(false);
    TimerZurueck.setEnabled(false);
    ZurckfallendesElektron1.setEnabled(false);
}

void TFormREMCHA::FormClose() {
    Start.setEnabled(true);
    ZurckfallendesElektron1.setEnabled(false);
    TimerPri.setEnabled(false);
    TimerZurueck.setEnabled(false);
}

}  // namespace chapters
