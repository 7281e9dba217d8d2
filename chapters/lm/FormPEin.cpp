#include "chapters/lm/FormPEin.h"

#include "frame/Design.h"

namespace chapters {

namespace {
const frame::FrameSpec kFrame{
    .className = TFormPEin::kClassName,
    .caption = "Präparationsschritt: Einfassen",
    .color = 0x0080FFFF /* R 255, G 255, B 128 */,
    .statusBar = nullptr,
    .menu = {frame::closeItem("Ende1"), {"start", "&Start"}, {"NZ", "&Neu Zeichnen"}, frame::escItem("ESC1")},
    .placement = frame::Pattern::PreparationStep,
};

constexpr ui::TColor kGrey = 0x00808080;
constexpr ui::TColor kSilver = 0x00C0C0C0;
constexpr ui::TColor kResin = 0x008080FF;  // R 255, G 128, B 128
}  // namespace

TFormPEin::TFormPEin(ui::Application& app) : TopicForm(app, kFrame) {
    font.height = -11;
    PaintBoxHaupt.setAlign(ui::Align::Client);
    PaintBoxHaupt.color = color();
    PaintBoxHaupt.font = font;
    PaintBoxHaupt.font.bold = true;
    PaintBoxHaupt.font.color = ui::clWindowText;
    PaintBoxHaupt.OnPaint = [this] { PaintBoxHauptPaint(); };
    start.OnClick = [this] { startClick(); };
    NZ.OnClick = [this] { NZClick(); };
    TimerProbe.OnTimer = [this] { TimerProbeTimer(); };
}

// ---- Showing: the mould is empty again.

void TFormPEin::FormShow() { FillLevel = 0; }

// ---- Static figure: the empty mould with the sample in it

void TFormPEin::PaintBoxHauptPaint() {
    ui::Canvas& c = PaintBoxHaupt.canvas;
    frame::Design d = design(c);
    c.brush.style = ui::BrushStyle::Solid;
    c.pen.mode = ui::PenMode::Copy;
    c.pen.color = kGrey;
    c.pen.width = 1;
    c.brush.setColor(kGrey);
    d.Ellipse(200, 280, 500, 350);  // floor of the mould
    sample();
    c.brush.style = ui::BrushStyle::Clear;
    c.pen.color = kSilver;
    c.pen.width = 1;
    d.Line(200, 215, 200, 315);  // walls
    d.Line(500, 215, 500, 315);
    d.Ellipse(200, 180, 500, 250);  // rim
    c.font.height = X(18);
    c.brush.style = ui::BrushStyle::Clear;
    d.TextOut(10, 5, "Einfassen einer Probe in eine zylindrische Einbettform");
    d.TextOut(220, 160, "Einbettform");
    d.TextOut(330, 280, "Probe");
}

// The silver sample: body, top face, bottom edge.
void TFormPEin::sample() {
    ui::Canvas& c = PaintBoxHaupt.canvas;
    frame::Design d = design(c);
    c.brush.setColor(kSilver);
    c.pen.color = kGrey;
    d.Rectangle(300, 235, 400, 310);
    d.Ellipse(300, 225, 400, 245);
    d.Ellipse(300, 300, 400, 320);
}

// ---- Timer: the resin rises one design unit a tick, 100 ticks in all.

void TFormPEin::TimerProbeTimer() {
    ui::Canvas& c = PaintBoxHaupt.canvas;
    frame::Design d = design(c);
    c.brush.style = ui::BrushStyle::Solid;
    c.pen.mode = ui::PenMode::Copy;
    c.pen.color = kGrey;
    c.pen.width = 1;
    if (FillLevel >= kFullLevel) return;  // full: the timer idles until reset
    const double L = FillLevel;
    // The resin surface; the ellipses of earlier ticks stay and form the resin body.
    c.brush.setColor(kResin);
    c.pen.color = kResin;
    d.Ellipse(200, 280 - L, 500, 350 - L);
    // The sample stays in front of the resin behind it.
    sample();
    // The resin in front of the sample, its top a curve over the sample's width.
    c.brush.setColor(kResin);
    c.pen.color = kResin;
    d.Polygon({{300, 340}, {400, 340}, {400, 310 - L}, {390, 314 - L}, {380, 317 - L}, {370, 318 - L},
               {360, 319 - L}, {350, 320 - L}, {340, 319 - L}, {330, 318 - L}, {320, 317 - L}, {310, 314 - L},
               {300, 310 - L}, {300, 340 - L}});
    FillLevel += 1;
    c.font.height = X(18);
    c.brush.style = ui::BrushStyle::Clear;
    d.TextOut(20, 230, "Eingießen der Probe mit");
    d.TextOut(20, 250, "einem gießfähigen");
    d.TextOut(20, 270, "organischen Einbettmittel");
}

// ---- Menu

void TFormPEin::startClick() {
    FillLevel = 0;
    TimerProbe.setEnabled(true);
    start.setEnabled(false);
}

void TFormPEin::NZClick() { resetAndRedraw(); }

void TFormPEin::FormClose() { resetAndRedraw(); }

void TFormPEin::resetAndRedraw() {
    Repaint();
    FillLevel = 0;
    start.setEnabled(true);
    TimerProbe.setEnabled(false);
}

}  // namespace chapters
