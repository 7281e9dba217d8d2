#include "chapters/analysis/FormEDXOrd.h"

#include <vector>

#include "frame/Backdrop.h"
#include "frame/Design.h"

namespace chapters {

using frame::DPoint;
using frame::Round;

namespace {
const frame::FrameSpec kFrame{
    .className = TFormEDXOrd::kClassName,
    .caption = "Röntgenenergien als Funktion der Ordnungszahl",
    .color = ui::clBlue,
    .border = ui::BorderStyle::SizeToolWin,
    .menu = {frame::closeItem("Ende1"), frame::escItem("ESC1"), {"KALPHA", "K[ALPHA]"}, {"KBETA", "K[BETA]"},
             {"LALPHA1", "L[ALPHA]"}, {"LBETA1", "L[BETA]"}, {"Nickel1", "&Nickel"}, {"Eisen1", "&Eisen"},
             {"Chrom1", "&Chrom"}, {"Titan1", "&Titan"}, {"Aluminium1", "&Aluminium"},
             {"Kohlenstoff1", "&Kohlenstoff"}, {"NeuZeichnen1", "&Neu Zeichnen"}},
    .placement = frame::Pattern::UpTo1024Inclusive,
};
constexpr ui::TColor kBox = 0x80FFFF;
constexpr ui::TColor kPlot = 0xFFF0F0;

struct ElementMark {
    int z;  // atomic number
    const char* symbol;
    double labelDx;  // the symbol's x from its line
};
// Z runs from 0 at x 50 to 100 at x 350: each element's line stands at 50 + 3·Z.
// (The lines once stood at 137, 130, 123, 116, 89, 67, nickel's at copper's Z = 29; the
// symbols keep their places beside their lines.)
constexpr ElementMark kElementMarks[TFormEDXOrd::kElements] = {
    {28, "Ni", 0}, {26, "Fe", -5}, {24, "Cr", -8}, {22, "Ti", -10}, {13, "Al", -3}, {6, "C", -1},
};

struct Segment {
    double upper;  // design x up to which the segment runs
    int yStep;     // pixels per tick (negative: the curve rises)
};
struct CurveTable {
    const char* label;
    DPoint labelAt;
    std::vector<DPoint> polyline;  // the complete curve, in design units
    int xStep;                     // pixels per tick
    std::vector<Segment> segments;
    double end;  // design x after which the curve is complete
};
const CurveTable kCurveTables[TFormEDXOrd::kCurves] = {
    {"K[ALPHA]", {220, 70}, {{50, 450}, {100, 350}, {150, 236}, {225, 54}}, 4, {{100, -8}, {150, -9}, {222, -10}}, 222},
    {"K[BETA]", {150, 55}, {{50, 450}, {80, 390}, {120, 296}, {160, 200}, {213, 54}}, 4,
     {{80, -8}, {120, -9}, {160, -10}, {213, -11}}, 213},
    {"L[ALPHA]", {300, 240}, {{70, 450}, {100, 428}, {200, 340}, {300, 240}, {350, 185}}, 8,
     {{100, -6}, {200, -7}, {300, -8}, {350, -9}}, 350},
    {"L[BETA]", {300, 130}, {{70, 450}, {100, 422}, {200, 322}, {300, 210}, {350, 148}}, 8,
     {{100, -7}, {200, -8}, {300, -9}, {350, -10}}, 350},
};
}  // namespace

TFormEDXOrd::TFormEDXOrd(ui::Application& app) : TopicForm(app, kFrame) {
    font.height = -10;
    PaintBoxHaupt.color = kBox;
    PaintBoxHaupt.font = font;
    PaintBoxHaupt.font.name = "MS Sans Serif";
    PaintBoxHaupt.font.bold = true;
    PaintBoxHaupt.OnPaint = [this] { PaintBoxHauptPaint(); };
    KALPHA.OnClick = [this] { CurveClick(Ka); };
    KBETA.OnClick = [this] { CurveClick(Kb); };
    LALPHA1.OnClick = [this] { CurveClick(La); };
    LBETA1.OnClick = [this] { CurveClick(Lb); };
    Nickel1.OnClick = [this] { ElementClick(Ni); };
    Eisen1.OnClick = [this] { ElementClick(Fe); };
    Chrom1.OnClick = [this] { ElementClick(Cr); };
    Titan1.OnClick = [this] { ElementClick(Ti); };
    Aluminium1.OnClick = [this] { ElementClick(Al); };
    Kohlenstoff1.OnClick = [this] { ElementClick(C); };
    NeuZeichnen1.OnClick = [this] { NeuZeichnen1Click(); };
    TimerKa.OnTimer = [this] { TimerKaTimer(); };
    TimerKb.OnTimer = [this] { TimerKbTimer(); };
    TimerLa.OnTimer = [this] { TimerLaTimer(); };
    TimerLb.OnTimer = [this] { TimerLbTimer(); };
}

ui::Timer& TFormEDXOrd::timer(Curve k) {
    ui::Timer* t[kCurves] = {&TimerKa, &TimerKb, &TimerLa, &TimerLb};
    return *t[k];
}

void TFormEDXOrd::FormCreate() {
    TopicForm::FormCreate();
    PaintBoxHaupt.setBounds(20, 10, X(760), Y(520));
}

void TFormEDXOrd::FormPaint() { frame::paintStripes(canvas, screenWidth()); }

// The diagram; the two outer rectangles keep whatever pen colour drew last on the box.
void TFormEDXOrd::PaintBoxHauptPaint() {
    ui::Canvas& c = PaintBoxHaupt.canvas;
    frame::Design d = design(c);

    c.brush.setColor(kBox);
    c.pen.width = Round(ScaleX);
    c.Rectangle(0, 0, PaintBoxHaupt.width(), PaintBoxHaupt.height());
    c.brush.setColor(ui::clBlue);
    d.Rectangle(10, 30, 390, 510);
    c.brush.setColor(kPlot);
    c.pen.color = ui::clRed;
    c.pen.width = Round(5 * ScaleX);
    d.Rectangle(50, 50, 370, 450);
    c.pen.width = Round(ScaleX);
    for (double x : {50, 110, 170, 230, 290, 350}) d.Line(x, 460, x, 450);

    c.brush.style = ui::BrushStyle::Clear;
    c.font.height = Round(24 * ScaleX);
    c.font.color = ui::clBlack;
    d.TextOut(10, 1, "Röntgenenergie als Funktion der Ordnungszahl Z");
    c.font.height = Round(18 * ScaleX);
    c.font.color = ui::clWhite;
    d.TextOut(150, 480, "Ordnungszahl Z");
    d.TextOut(15, 30, "Röntgenenergien E");
    const std::pair<double, const char*> ticks[] = {{41, "  0"}, {101, " 20"}, {161, " 40"},
                                                    {221, " 60"}, {281, " 80"}, {341, "100"}};
    for (const auto& [x, s] : ticks) d.TextOut(x, 460, s);

    c.font.color = ui::clBlack;
    c.font.height = Round(24 * ScaleX);
    d.TextOut(430, 60, "Nach dem Gesetz von Moseley");
    d.TextOut(445, 100, "E = p(Z - q)       ,p und q = konst.");
    d.TextOut(550, 90, "2");
    d.TextOut(430, 140, "besteht ein Zusammenhang");
    d.TextOut(430, 180, "zwischen der Energie E,");
    d.TextOut(430, 220, "bzw, der Wellenlänge,");
    d.TextOut(430, 260, "einer Spektrallinienserie");
    d.TextOut(430, 300, "und der Ordnungszahl Z");
    d.TextOut(430, 340, "des emittierten Atoms.");

    c.font.height = Round(12 * ScaleX);
    for (int e = 0; e < kElements; ++e) {
        if (!elementShown[static_cast<size_t>(e)]) continue;
        const ElementMark& m = kElementMarks[e];
        const double x = elementLineX(m.z);
        c.pen.width = Round(2 * ScaleX);
        c.pen.color = ui::clRed;
        c.font.color = ui::clRed;
        d.Line(x, 450, x, 100);
        d.TextOut(x + m.labelDx, 80, m.symbol);
    }

    if (curvesShown) {
        c.pen.color = ui::clBlue;
        c.font.color = ui::clBlue;
        c.pen.width = Round(2 * ScaleX);
        for (const CurveTable& k : kCurveTables) {
            std::vector<ui::Point> pts;
            for (const DPoint& p : k.polyline) pts.push_back(d.P(p.x, p.y));
            c.Polyline(pts);
            d.TextOut(k.labelAt.x, k.labelAt.y, k.label);
        }
    }
}

// One tick of a growing curve: its segments are tried in order, each seeing the pen
// position the one before left; steps are pixels, bounds are design x times ScaleX.
void TFormEDXOrd::curveTick(Curve k) {
    ui::Canvas& c = PaintBoxHaupt.canvas;
    const CurveTable& shape = kCurveTables[k];
    CurvePen& p = curves[static_cast<size_t>(k)];
    c.pen.width = 3;
    c.pen.color = ui::clBlue;
    c.font.color = ui::clBlue;
    auto stepTo = [&](int yStep) {
        p.curveX += shape.xStep;
        p.curveY += yStep;
        c.LineTo(p.curveX, p.curveY);
    };
    if (p.curveX <= X(shape.segments[0].upper)) {
        c.MoveTo(X(shape.polyline[0].x), Y(shape.polyline[0].y));
        stepTo(shape.segments[0].yStep);
    }
    for (size_t s = 1; s < shape.segments.size(); ++s) {
        if (p.curveX > X(shape.segments[s - 1].upper) && p.curveX <= shape.segments[s].upper * ScaleX) {
            c.MoveTo(p.curveX, p.curveY);
            stepTo(shape.segments[s].yStep);
        }
    }
    if (p.curveX > X(shape.end)) {
        timer(k).setEnabled(false);
        design(c).TextOut(shape.labelAt.x, shape.labelAt.y, shape.label);
    }
}

// Starts (or restarts) a curve at its first point; the item stays enabled.
void TFormEDXOrd::CurveClick(Curve k) {
    const DPoint start = kCurveTables[k].polyline[0];
    curves[static_cast<size_t>(k)] = {X(start.x), Y(start.y)};
    timer(k).setEnabled(true);
}

// Marks the element and shows the four complete curves.
void TFormEDXOrd::ElementClick(Element e) {
    elementShown[static_cast<size_t>(e)] = true;
    curvesShown = true;
    Repaint();
}

void TFormEDXOrd::NeuZeichnen1Click() {
    elementShown.fill(false);
    curvesShown = false;
    for (int k = 0; k < kCurves; ++k) timer(static_cast<Curve>(k)).setEnabled(false);
    Repaint();
}

void TFormEDXOrd::FormClose() { NeuZeichnen1Click(); }

}  // namespace chapters
