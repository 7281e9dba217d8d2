#include "chapters/lm/TurntableForm.h"

#include "frame/Design.h"

namespace chapters {

namespace {
frame::FrameSpec frameOf(const TurntableSpec& s) {
    return frame::FrameSpec{
        .className = s.className,
        .caption = s.caption,
        .color = 0x0080FFFF /* R 255, G 255, B 128 */,
        .statusBar = "StatusBarHilfe",
        .menu = {frame::closeItem("Ende1"), {"start1", "&Start"}, {"Stopp1", "&Stopp"}, frame::escItem("ESC1")},
        .placement = frame::Pattern::PreparationStep,
    };
}

constexpr ui::TColor kGrey = 0x00808080;
constexpr ui::TColor kBase = 0x006C6C6C;     // R 108, G 108, B 108
constexpr ui::TColor kSample = 0x008080FF;   // R 255, G 128, B 128
constexpr ui::TColor kBlue = 0x00FF0000;
constexpr ui::TColor kStar = 0x000000FA;     // R 250, G 0, B 0
constexpr int kBodyHeight = 50;              // pixels, whatever the scale
}  // namespace

TurntableForm::TurntableForm(ui::Application& app, const TurntableSpec& spec)
    : TopicForm(app, frameOf(spec)), spec_(spec) {
    font.height = -10;
    PaintBoxHaupt.setAlign(ui::Align::Client);
    PaintBoxHaupt.color = color();
    PaintBoxHaupt.font = font;
    PaintBoxHaupt.font.bold = true;
    PaintBoxHaupt.font.color = ui::clWindowText;
    PaintBoxHaupt.OnPaint = [this] { PaintBoxHauptPaint(); };
    start1.OnClick = [this] { start1Click(); };
    Stopp1.OnClick = [this] { Stopp1Click(); };
    TimerRad.OnTimer = [this] { TimerRadTimer(); };
}

// ---- Layout

void TurntableForm::FormCreate() {
    TopicForm::FormCreate();  // at the right edge of the screen, slightly below the middle
    FormActivate();           // the figure has its disc before the window is first shown
}

// ---- Activation: the disc starts again at phase 0.

void TurntableForm::FormActivate() {
    DiscCX = X(280);
    DiscCY = Y(310);
    DiscRX = X(220);
    DiscRY = Y(20);
    DiscPhase = 0;
    SpokeCount = 36;
    SpokeStep = 10;
}

// ---- Static figure

void TurntableForm::PaintBoxHauptPaint() {
    ui::Canvas& c = PaintBoxHaupt.canvas;
    frame::Design d = design(c);
    c.pen.mode = ui::PenMode::Copy;
    c.pen.color = kGrey;
    c.pen.width = 1;
    c.brush.setColor(kGrey);
    // The spokes at phase 0, hidden under the face drawn next.
    Spokes.setAngles(SpokeCount, 0, SpokeStep);
    Spokes.place(SpokeCount, wheel());
    Spokes.draw(c, SpokeCount, wheel());
    // The body: 50 ellipses stacked one pixel apart under the face, then the face.
    c.brush.setColor(kGrey);
    for (int i = 1; i <= kBodyHeight; ++i) Spokes.rim(c, i);
    c.brush.setColor(spec_.face);
    Spokes.rim(c);
    c.brush.setColor(kBase);
    d.Rectangle(0, 350, 800, 550);
    // The embedded sample rests on the disc while the machine runs.
    if (TimerRad.enabled()) {
        c.brush.setColor(kSample);
        c.pen.color = kSample;
        d.Rectangle(100, 245, 230, 310);
        d.Ellipse(100, 235, 230, 255);
        d.Ellipse(100, 300, 230, 320);
    }
    c.font.height = X(18);
    c.brush.style = ui::BrushStyle::Clear;
    d.TextOut(10, 5, spec_.title);
    d.TextOut(350, 335, spec_.machine);
}

// ---- Timer: the star turns one degree a tick.

void TurntableForm::TimerRadTimer() {
    ui::Canvas& c = PaintBoxHaupt.canvas;
    frame::Design d = design(c);
    Spokes.setAngles(SpokeCount, DiscPhase, SpokeStep);
    c.brush.setColor(kBlue);
    c.font.color = ui::clBlack;
    c.pen.mode = ui::PenMode::NotXor;
    c.pen.width = 1;
    c.pen.color = kStar;
    Spokes.place(SpokeCount, wheel());
    Spokes.draw(c, SpokeCount, wheel());  // removes the star of the last tick
    DiscPhase += 1;
    Spokes.turn(SpokeCount, 1);
    Spokes.place(SpokeCount, wheel());
    Spokes.draw(c, SpokeCount, wheel());
    c.font.height = X(18);
    c.brush.style = ui::BrushStyle::Clear;
    d.TextOut(100, 210, "Eingebettete Probe");
    d.TextOut(300, 210, spec_.tickLine1);
    d.TextOut(300, 230, spec_.tickLine2);
}

// ---- Menu

void TurntableForm::start1Click() {
    TimerRad.setEnabled(true);
    Repaint();  // now with the sample on the disc
}

void TurntableForm::Stopp1Click() { stopAndReset(); }

void TurntableForm::FormClose() { stopAndReset(); }

void TurntableForm::stopAndReset() {
    Repaint();
    FormActivate();
    TimerRad.setEnabled(false);
    Repaint();  // without the sample
}

}  // namespace chapters
