#include "chapters/lm/FormPPSchritte.h"

#include "chapters/lm/FormPEin.h"
#include "chapters/lm/FormPKontrast.h"
#include "chapters/lm/FormPPol.h"
#include "chapters/lm/FormPSchleif.h"
#include "chapters/lm/FormPTrennen.h"
#include "frame/Backdrop.h"
#include "frame/Design.h"

namespace chapters {

namespace {
const frame::FrameSpec kFrame{
    .className = TFormPPSchritte::kClassName,
    .caption = "Lichtmikroskopie: Präparationsschritte zur Herstellung eines metallographischen Schliffes",
    .color = ui::clBlue,
    .menu = {frame::closeItem("Ende1"), frame::escItem("ESC1"), {"Trennen", "&Trennen"}, {"Einfassen", "&Einfassen"},
             {"Schleifen1", "&Schleifen"}, {"Polieren1", "&Polieren"}, {"Kontrastierung1", "&Kontrastierung"}},
    .placement = frame::Pattern::UpTo1024Exclusive,
};

// The title box and the five step boxes.
using BoxBounds = TFormPPSchritte::BoxBounds;
constexpr BoxBounds kWide[] = {{60, 50, 640, 40},   {120, 130, 500, 45}, {120, 200, 500, 45},
                         {120, 270, 500, 45}, {120, 340, 500, 45}, {120, 410, 500, 45}};
// The title box keeps its width and reaches over the step window beside the column.
constexpr BoxBounds kNarrow[] = {{1, 20, 640, 40},   {10, 130, 180, 45}, {10, 200, 180, 45},
                           {10, 270, 180, 45}, {10, 340, 180, 45}, {10, 410, 180, 45}};

struct StepText {
    const char* text;
    int wideX;
    int narrowX;
};
constexpr StepText kStepTexts[] = {
    {"Trennen", 200, 50}, {"Einfassen", 200, 50}, {"Schleifen", 200, 50}, {"Polieren", 200, 50},
    {"Kontrastierung", 180, 30},
};

// The arrows between the boxes: shaft from y1 down to y2, head strokes from yHead.
struct Arrow {
    int y1, y2, yHead;
};
constexpr Arrow kArrows[] = {{165, 200, 190}, {245, 268, 260}, {315, 340, 330}, {385, 410, 400}};

constexpr ui::TColor kStepBox = 0x00B7F4FF;  // R 255, G 244, B 183
}  // namespace

TFormPPSchritte::TFormPPSchritte(ui::Application& app) : TopicForm(app, kFrame) {
    font.height = -13;
    PaintBoxHaupt.setAlign(ui::Align::Client);
    for (ui::PaintBox* p : {&PaintBoxHaupt, &PaintBoxSch, &PaintBox1, &PaintBox2, &PaintBox3, &PaintBox4, &PaintBox5}) {
        p->color = color();
        p->font = font;
    }
    PaintBoxHaupt.OnPaint = [this] { PaintBoxHauptPaint(); };
    PaintBoxSch.OnPaint = [this] { PaintBoxSchPaint(); };
    for (int k = 1; k <= kSteps; ++k) stepBox(k).OnPaint = [this, k] { StepBoxPaint(k); };
    Trennen.OnClick = [this] { TrennenClick(); };
    Einfassen.OnClick = [this] { EinfassenClick(); };
    Schleifen1.OnClick = [this] { Schleifen1Click(); };
    Polieren1.OnClick = [this] { Polieren1Click(); };
    Kontrastierung1.OnClick = [this] { Kontrastierung1Click(); };
}

// ---- Layout

void TFormPPSchritte::placeBoxes(const BoxBounds (&boxes)[kSteps + 1]) {
    auto place = [this](ui::PaintBox& p, const BoxBounds& b) {
        p.setBounds(X(b.left), Y(b.top), X(b.width), Y(b.height));
    };
    place(PaintBoxSch, boxes[0]);
    for (int k = 1; k <= kSteps; ++k) place(stepBox(k), boxes[k]);
}

void TFormPPSchritte::wideLayout() {
    HaloX = X(370);
    HaloY = 0;
    placeBoxes(kWide);
    WideLayout = 1;
}

void TFormPPSchritte::narrowLayout() {
    WideLayout = 0;
    HaloX = X(70);
    HaloY = 0;
    placeBoxes(kNarrow);
}

void TFormPPSchritte::FormCreate() {
    TopicForm::FormCreate();  // the screen up to 1024 x 768, centred
    wideLayout();
}

// ---- Activation: back to the wide, centred column.

void TFormPPSchritte::FormActivate() {
    wideLayout();
    Repaint();
}

// ---- Paint handlers

// Rings round a centre at the top edge, yellow inside, blue outside.
void TFormPPSchritte::FormPaint() { frame::paintEllipses(canvas, HaloX, HaloY); }

// The arrows; the boxes above this paint box leave only the part in each gap visible.
void TFormPPSchritte::PaintBoxHauptPaint() {
    ui::Canvas& c = PaintBoxHaupt.canvas;
    frame::Design d = design(c);
    c.pen.color = ui::clBlack;
    c.pen.width = 3;
    c.font.height = X(24);
    const int x0 = WideLayout == 1 ? 360 : 90;
    for (const Arrow& a : kArrows) {
        d.Line(x0, a.y1, x0, a.y2);
        d.Line(x0 - 5, a.yHead, x0, a.y2);
        d.Line(x0 + 5, a.yHead, x0, a.y2);
    }
}

void TFormPPSchritte::PaintBoxSchPaint() {
    ui::Canvas& c = PaintBoxSch.canvas;
    c.pen.color = ui::clBlack;
    c.pen.width = 1;
    c.brush.setColor(ui::clYellow);
    c.Rectangle(0, 0, PaintBoxSch.width(), PaintBoxSch.height());
    c.font.height = X(24);
    c.TextOut(X(20), Y(10), "Präparationsschritte zur Herstellung eines metallographischen Schliffes");
}

void TFormPPSchritte::StepBoxPaint(int step) {
    ui::PaintBox& box = stepBox(step);
    ui::Canvas& c = box.canvas;
    const StepText& t = kStepTexts[step - 1];
    c.pen.color = ui::clBlack;
    c.pen.width = 1;
    c.brush.setColor(kStepBox);
    c.Rectangle(0, 0, box.width(), box.height());
    c.font.height = X(24);
    c.TextOut(X(WideLayout == 1 ? t.wideX : t.narrowX), Y(10), t.text);
}

// ---- Menu: each step narrows the column and opens its window beside it.

void TFormPPSchritte::showStep(ui::Form* window) {
    narrowLayout();
    Repaint();
    if (window) window->Show();
}

void TFormPPSchritte::TrennenClick() { showStep(frame::findWindow<TFormPTrennen>(application())); }
void TFormPPSchritte::EinfassenClick() { showStep(frame::findWindow<TFormPEin>(application())); }
void TFormPPSchritte::Schleifen1Click() { showStep(frame::findWindow<TFormPSchleif>(application())); }
void TFormPPSchritte::Polieren1Click() { showStep(frame::findWindow<TFormPPol>(application())); }
void TFormPPSchritte::Kontrastierung1Click() { showStep(frame::findWindow<TFormPKontrast>(application())); }

}  // namespace chapters
