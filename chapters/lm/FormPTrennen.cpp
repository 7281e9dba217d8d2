#include "chapters/lm/FormPTrennen.h"

#include <span>
#include <vector>

#include "frame/Design.h"

namespace chapters {

namespace {
const frame::FrameSpec kFrame{
    .className = TFormPTrennen::kClassName,
    .caption = "Präparationsschritt: Trennen",
    .color = 0x0080FFFF /* R 255, G 255, B 128 */,
    .statusBar = "StatusBarHilfe",
    .menu = {frame::closeItem("Ende1"), {"Start", "&Start"}, frame::escItem("ESC1"), {"NZ", "&Neu Zeichnen"}},
    .placement = frame::Pattern::PreparationStep,
};

constexpr ui::TColor kGrey = 0x00808080;
constexpr ui::TColor kSilver = 0x00C0C0C0;
constexpr ui::TColor kBlue = 0x00FF0000;
constexpr ui::TColor kMotor = 0x00A5C100;  // R 0, G 193, B 165

// The bar of sample material with its rounded left end.
constexpr frame::DPoint kBar[] = {{235, 250}, {800, 250}, {800, 300}, {235, 300}, {231, 290},
                          {230, 280}, {230, 270}, {231, 260}, {235, 250}};
// After the cut: the stock at the right and the piece cut off below the disc.
constexpr frame::DPoint kStock[] = {{287, 250}, {800, 250}, {800, 300}, {287, 300}, {283, 290},
                            {282, 280}, {282, 270}, {283, 260}, {287, 250}};
constexpr frame::DPoint kPiece[] = {{235, 300}, {280, 300}, {277, 310}, {275, 310}, {275, 330}, {277, 340}, {280, 350},
                            {235, 350}, {231, 340}, {230, 330}, {230, 320}, {231, 310}, {235, 300}};

// The coolant spray under the jet: x, top and bottom of eight strokes.
struct Stroke {
    int x, y1, y2;
};
constexpr Stroke kSpray[] = {{300, 210, 242}, {303, 210, 238}, {306, 212, 235}, {309, 215, 235},
                             {312, 216, 235}, {315, 217, 235}, {318, 218, 235}, {321, 218, 235}};
}  // namespace

TFormPTrennen::TFormPTrennen(ui::Application& app) : TopicForm(app, kFrame) {
    font.height = -10;
    PaintBoxHaupt.setAlign(ui::Align::Client);
    PaintBoxHaupt.color = color();
    PaintBoxHaupt.font = font;
    PaintBoxHaupt.font.bold = true;
    PaintBoxHaupt.font.color = ui::clWindowText;
    PaintBoxHaupt.OnPaint = [this] { PaintBoxHauptPaint(); };
    Start.OnClick = [this] { StartClick(); };
    NZ.OnClick = [this] { NZClick(); };
    TimerRad.OnTimer = [this] { TimerRadTimer(); };
    TimerVor.OnTimer = [this] { TimerVorTimer(); };
}

// ---- Layout

void TFormPTrennen::FormCreate() {
    TopicForm::FormCreate();  // at the right edge of the screen, slightly below the middle
    FormActivate();           // the figure has its disc before the window is first shown
}

// ---- Activation: phase and feed start again; what is on the screen stays.

void TFormPTrennen::FormActivate() {
    WheelCX = X(310);
    WheelCY = Y(200);
    WheelRX = X(15);
    WheelRY = Y(100);
    WheelPhase = 0;
    SpokeCount = 36;
    SpokeStep = 10;
    FeedX = 0;
    FeedY = 0;
}

// ---- Static figure

void TFormPTrennen::PaintBoxHauptPaint() {
    ui::Canvas& c = PaintBoxHaupt.canvas;
    frame::Design d = design(c);
    c.pen.mode = ui::PenMode::Copy;
    c.pen.color = kGrey;
    c.pen.width = 1;
    c.brush.setColor(kGrey);
    // Disc: the spokes at phase 0, then the rim through their ends.
    Spokes.setAngles(SpokeCount, 0, SpokeStep);
    Spokes.place(SpokeCount, wheel());
    Spokes.draw(c, SpokeCount, wheel());
    c.brush.style = ui::BrushStyle::Clear;
    Spokes.rim(c);
    // Motor and shaft, each offset from the disc centre rounded on its own.
    c.brush.setColor(kMotor);
    const int cx = WheelCX, cy = WheelCY;
    c.Ellipse(cx - X(5), cy - Y(22), cx + X(5), cy + Y(22));
    c.Ellipse(cx - X(0), cy - Y(22), cx + X(10), cy + Y(22));
    c.Rectangle(0, cy - Y(70), cx - X(93), cy + Y(70));
    c.Ellipse(cx - X(110), cy - Y(70), cx - X(80), cy + Y(70));
    c.Ellipse(cx - X(102), cy - Y(22), cx - X(92), cy + Y(22));
    c.MoveTo(cx - X(5), cy - Y(22));
    c.LineTo(cx - X(100), cy - Y(22));
    c.MoveTo(cx - X(5), cy + Y(22));
    c.LineTo(cx - X(100), cy + Y(22));
    // Coolant jet.
    c.brush.setColor(kBlue);
    d.Polygon({{800, 200}, {330, 200}, {300, 202}, {297, 205}, {295, 207}, {330, 220}, {800, 220}});
    // The bar lies in front of the disc only while the disc stands; while it turns the
    // feed timer draws it.
    if (!TimerRad.enabled()) {
        c.brush.setColor(kSilver);
        c.pen.color = kSilver;
        shiftedPolygon(kBar, 0, 0);
    }
    c.font.height = X(18);
    c.brush.style = ui::BrushStyle::Clear;
    d.TextOut(10, 5, "Trennen einer Probe mittels Präziosionstrennmaschine");
    d.TextOut(40, 100, "Präziosionstrennmaschine");
    d.TextOut(350, 180, "Kühlung");
    d.TextOut(350, 310, "Probenmaterial");
}

// A polygon of the bar or its parts moved u design units right and v up.
void TFormPTrennen::shiftedPolygon(std::span<const frame::DPoint> pts, int u, int v) {
    std::vector<ui::Point> p;
    p.reserve(pts.size());
    for (const frame::DPoint& q : pts) p.push_back({X(q.x + u), Y(q.y - v)});
    PaintBoxHaupt.canvas.Polygon(p);
}

// ---- Timers

// The disc turns 4 degrees a tick; the spray blinks.
void TFormPTrennen::TimerRadTimer() {
    ui::Canvas& c = PaintBoxHaupt.canvas;
    frame::Design d = design(c);
    Spokes.setAngles(SpokeCount, WheelPhase, SpokeStep);
    c.brush.setColor(kBlue);
    c.font.color = ui::clBlack;
    c.pen.mode = ui::PenMode::NotXor;
    c.pen.width = 2;
    c.pen.color = kBlue;
    for (const Stroke& s : kSpray) d.Line(s.x, s.y1, s.x, s.y2);
    c.pen.width = 1;
    c.pen.color = kGrey;
    Spokes.place(SpokeCount, wheel());
    Spokes.draw(c, SpokeCount, wheel());  // removes the spokes of the last tick
    WheelPhase += 4;
    Spokes.turn(SpokeCount, 4);
    Spokes.place(SpokeCount, wheel());
    Spokes.draw(c, SpokeCount, wheel());
}

// The bar moves one unit right and one up a tick; after 16 steps the piece is cut off.
void TFormPTrennen::TimerVorTimer() {
    ui::Canvas& c = PaintBoxHaupt.canvas;
    frame::Design d = design(c);
    c.pen.mode = ui::PenMode::NotXor;
    c.pen.width = 1;
    c.brush.setColor(kSilver);
    c.pen.color = kSilver;
    shiftedPolygon(kBar, FeedX, FeedY);  // removes the bar of the last tick
    if (FeedX < kFeedSteps) {
        FeedX += 1;
        FeedY += 1;
    }
    shiftedPolygon(kBar, FeedX, FeedY);
    if (FeedX == 1) shiftedPolygon(kBar, FeedX - 1, FeedY - 1);  // the first tick put a bar at the start
    if (FeedX >= kFeedSteps) {
        shiftedPolygon(kBar, FeedX, FeedY);
        c.pen.mode = ui::PenMode::Copy;
        c.pen.color = kGrey;
        shiftedPolygon(kStock, FeedX, FeedY);
        shiftedPolygon(kPiece, FeedX, FeedY);
        d.Ellipse(290, 284, 305, 335);  // the cut face
        c.font.height = X(18);
        c.brush.style = ui::BrushStyle::Clear;
        d.TextOut(200, 340, "Probe zum Einfassen");
        TimerVor.setEnabled(false);
    }
}

// ---- Menu

void TFormPTrennen::StartClick() {
    Start.setEnabled(false);
    TimerRad.setEnabled(true);
    TimerVor.setEnabled(true);
    Repaint();  // without the bar now: the feed timer draws it
}

void TFormPTrennen::NZClick() { resetAndRedraw(); }

void TFormPTrennen::FormClose() { resetAndRedraw(); }

void TFormPTrennen::resetAndRedraw() {
    Repaint();
    FormActivate();
    Start.setEnabled(true);
    TimerRad.setEnabled(false);
    TimerVor.setEnabled(false);
    Repaint();  // with the bar, since the disc stands
}

}  // namespace chapters
