#include "chapters/lm/FormGPG.h"

#include "frame/Backdrop.h"

namespace chapters {

using frame::div;

namespace {
const frame::FrameSpec kFrame{
    .className = TFormGPG::kClassName,
    .caption = "Lichtmikroskopie: Gefügeeinstellung und Eigenschaften durch die Herstellungsbedingungen",
    .color = ui::clBlue,
    .placement = frame::Pattern::UpTo1024Exclusive,
};

constexpr ui::TColor kHeading = 0x00FF5555;
constexpr ui::TColor kFactor = 0x00B7F4FF;
constexpr ui::TColor kAmber = 0x0000BFFF;

// One box of the diagram: design bounds, brush and up to two lines of text.
struct Box {
    ui::PaintBox TFormGPG::*box;
    int left, top, width, height;
    ui::TColor brush;
    TFormGPG::BoxText text[2];
};

const Box kBoxes[] = {
    {&TFormGPG::PaintBoxHer, 60, 30, 200, 45, kHeading, {{50, 10, "Herstellung"}}},
    {&TFormGPG::PaintBoxEig, 520, 30, 200, 45, kHeading, {{40, 10, "Eigenschaften"}}},
    {&TFormGPG::PaintBox1, 20, 110, 280, 45, kFactor, {{10, 10, "Chemische Zusammensetzung"}}},
    {&TFormGPG::PaintBox2, 20, 210, 280, 45, kFactor, {{10, 10, "Metallurgische Verfahren"}}},
    {&TFormGPG::PaintBox3, 20, 310, 280, 45, kFactor, {{10, 10, "Umformung"}}},
    {&TFormGPG::PaintBox4, 20, 410, 280, 45, kFactor, {{10, 10, "Wärmebehandlung"}}},
    {&TFormGPG::PaintBoxGef, 320, 250, 125, 70, ui::clYellow, {{30, 20, "Gefüge"}}},
    {&TFormGPG::PaintBox5, 470, 110, 300, 75, kFactor,
     {{10, 10, "Kennwerte der mechanisch/"}, {10, 40, "technologischen Werkstoffprüfung"}}},
    {&TFormGPG::PaintBox6, 470, 260, 300, 45, kFactor, {{10, 10, "Verarbeitungseigenschaften"}}},
    {&TFormGPG::PaintBox7, 470, 400, 300, 45, kFactor, {{10, 10, "Gebrauchseigenschaften"}}},
};
}  // namespace

TFormGPG::TFormGPG(ui::Application& app) : TopicForm(app, kFrame) {
    font.height = -13;
    PaintBoxHaupt.font = font;
    PaintBoxHaupt.OnPaint = [this] { PaintBoxHauptPaint(); };
    for (const Box& b : kBoxes) {
        ui::PaintBox& box = this->*b.box;
        box.font = font;
        box.OnPaint = [this, &b] { boxPaint(this->*b.box, b.brush, b.text); };
    }
}

void TFormGPG::FormCreate() {
    TopicForm::FormCreate();
    RingsX = div(width(), 2) - X(20);
    RingsY = div(height(), 2) - Y(40);
    PaintBoxHaupt.setBounds(X(10), Y(10), X(775), Y(500));
    for (const Box& b : kBoxes) (this->*b.box).setBounds(X(b.left), Y(b.top), X(b.width), Y(b.height));
}

void TFormGPG::FormPaint() { frame::paintSmallDisc(canvas, RingsX, RingsY); }

// The two funnels, in the coordinates of the main box.
void TFormGPG::PaintBoxHauptPaint() {
    ui::Canvas& c = PaintBoxHaupt.canvas;
    frame::Design d = design(c);
    c.pen.color = ui::clBlack;
    c.pen.width = 1;
    c.brush.setColor(kAmber);
    // The left outline ends at (5,20); the polygon closes it back to (5,15).
    d.Polygon({{5, 15}, {280, 15}, {310, 240}, {310, 310}, {285, 480}, {5, 480}, {5, 20}});
    d.Polygon({{475, 15}, {770, 15}, {770, 480}, {470, 480}, {435, 310}, {435, 240}, {475, 15}});
}

// Every box alike: framed in its colour, its text(s) at scaled offsets.
void TFormGPG::boxPaint(ui::PaintBox& box, ui::TColor brush, const BoxText (&texts)[2]) {
    ui::Canvas& c = box.canvas;
    frame::Design d = design(c);
    c.pen.color = ui::clBlack;
    c.pen.width = 1;
    c.brush.setColor(brush);
    c.Rectangle(0, 0, box.width(), box.height());
    c.font.height = X(24);
    for (const BoxText& t : texts)
        if (!t.s.empty()) d.TextOut(t.x, t.y, t.s);
}

}  // namespace chapters
