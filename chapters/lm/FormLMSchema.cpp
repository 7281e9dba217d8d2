#include "chapters/lm/FormLMSchema.h"

#include "frame/Backdrop.h"

namespace chapters {

using frame::Round;

namespace {
const frame::FrameSpec kFrame{
    .className = TFormLMSchema::kClassName,
    .caption = "Lichtmikroskopie: Schema des Strahlengangs in einem Auflichtmikroskop",
    .color = ui::clNavy,
    .menu = {frame::closeItem("Ende"), frame::escItem("ESC"), {"Lichtquelleanschalten1", "&Lichtquelle anschalten"}},
    .placement = frame::Pattern::UpTo1024Inclusive,
};

constexpr ui::TColor kRed = 0x0000FF;
constexpr ui::TColor kGrey = 0x808080;
constexpr ui::TColor kDarkGrey = 0x5E5E5E;
constexpr ui::TColor kNavy = 0x800000;
constexpr ui::TColor kLight = 0x80FFFF;

struct Caption {
    ui::TColor colour;
    int x, y;
    const char* s;
};

const Caption kCaptions[] = {
    {ui::clBlack, 100, 260, "Lichtquelle"},
    {ui::clBlack, 160, 337, "Linse (Objektiv)"},
    {ui::clBlack, 550, 10, "Linse (Okular)"},
    {ui::clWhite, 245, 230, "Prisma"},
    {ui::clWhite, 330, 70, "Prisma"},
    {ui::clWhite, 240, 470, "Schliff"},
    {ui::clBlack, 20, 20, "Zur Untersuchung von Metallen"},
    {ui::clBlack, 20, 45, "werden Auflichtmikroskope"},
    {ui::clBlack, 20, 70, "verwendet."},
    {ui::clBlack, 20, 95, "Die Schliffe werden von oben"},
    {ui::clBlack, 20, 120, "oder seitlich beleuchtet."},
};
}  // namespace

TFormLMSchema::TFormLMSchema(ui::Application& app) : TopicForm(app, kFrame) {
    font.height = -11;
    PaintBoxHaupt.setAlign(ui::Align::Client);
    PaintBoxHaupt.font = font;
    PaintBoxHaupt.color = ui::clNavy;
    PaintBoxHaupt.OnPaint = [this] { PaintBoxHauptPaint(); };
    TimerLicht.OnTimer = [this] { TimerLichtTimer(); };
    Lichtquelleanschalten1.OnClick = [this] { Lichtquelleanschalten1Click(); };
}

void TFormLMSchema::resetBeam() {
    BeamX = X(230);
    BeamY = X(270);  // the row is scaled like a column here
}

void TFormLMSchema::FormPaint() { frame::paintStripes(canvas, screenWidth()); }

void TFormLMSchema::PaintBoxHauptPaint() {
    ui::Canvas& c = PaintBoxHaupt.canvas;
    frame::Design d = design(c);
    c.font.name = "MS Sans Serif";
    c.pen.style = ui::PenStyle::Solid;
    c.pen.width = 1;
    // Stage, specimen and base band take whatever pen colour the canvas holds.
    c.brush.setColor(kRed);
    d.Rectangle(210, 450, 580, 500);
    c.brush.setColor(kGrey);
    d.Rectangle(310, 450, 480, 480);
    c.brush.setColor(kNavy);
    c.Rectangle(0, Y(500), PaintBoxHaupt.width(), PaintBoxHaupt.height());
    // Tube, arm to the eyepiece, lamp housing.
    c.brush.setColor(kDarkGrey);
    c.pen.color = kDarkGrey;
    d.Rectangle(300, 40, 500, 400);
    d.Rectangle(300, 40, 650, 160);
    d.Rectangle(200, 230, 350, 310);
    // Lenses and prisms.
    c.pen.color = kGrey;
    c.pen.width = 4;
    c.brush.setColor(kGrey);
    d.Ellipse(300, 340, 500, 360);
    d.Ellipse(580, 40, 600, 160);
    d.Polygon({{340, 300}, {400, 300}, {340, 240}});
    d.Polygon({{390, 126}, {450, 126}, {450, 66}});
    // Lamp bulb and its socket.
    c.brush.setColor(ui::clYellow);
    c.pen.color = kRed;
    c.pen.width = 1;
    d.Ellipse(210, 260, 240, 280);
    d.Rectangle(200, 260, 216, 280);
    // Texts.
    c.brush.style = ui::BrushStyle::Clear;
    c.font.height = X(24);
    for (const Caption& t : kCaptions) {
        c.font.color = t.colour;
        d.TextOut(t.x, t.y, t.s);
    }
}

// Each segment is one line from its fixed start to the moving end, so it grows by
// drawing over itself; several segments can advance in one tick.
void TFormLMSchema::TimerLichtTimer() {
    ui::Canvas& c = PaintBoxHaupt.canvas;
    frame::Design d = design(c);
    c.font.color = ui::clWhite;
    c.pen.color = kLight;
    // 1. Lamp to the lower prism.
    if (BeamX <= X(360)) {
        c.pen.width = X(17);
        BeamX += 5;
        c.MoveTo(X(230), Y(270));
        c.LineTo(BeamX, Y(270));
    }
    // 2. Down to the objective.
    if (BeamX > X(360) && BeamX < X(392) && BeamY < Y(340)) {
        c.pen.width = X(17);
        BeamY += 5;
        c.MoveTo(BeamX, Y(270));
        c.LineTo(BeamX, BeamY);
    }
    // 3. Objective to the specimen.
    if (BeamX < X(392) && BeamY >= Y(340)) {
        c.pen.width = X(15);
        BeamX += 2;
        BeamY += 7;
        c.MoveTo(Round(360 * ScaleX + 3), Y(340));
        c.LineTo(BeamX + 3, BeamY);
    }
    // 4. Specimen back to the objective.
    if (BeamX >= X(392) && BeamY >= Y(340)) {
        c.pen.width = X(15);
        BeamX += 2;
        BeamY -= 7;
        c.MoveTo(Round(392 * ScaleX + 3), Y(440));
        c.LineTo(BeamX + 3, BeamY);
    }
    // 5. Up the tube.
    if (BeamX >= X(392) && BeamY > Y(100) && BeamY <= Y(340)) {
        c.pen.width = X(17);
        BeamY -= 5;
        c.MoveTo(Round(422 * ScaleX + 2), Y(340));
        c.LineTo(Round(422 * ScaleX + 2), BeamY);
    }
    // 6. Upper prism to the eyepiece.
    if (BeamX >= X(392) && BeamY <= Y(100)) {
        c.pen.width = X(17);
        BeamX += 5;
        c.MoveTo(Round(422 * ScaleX + 4), Y(96));
        c.LineTo(BeamX + 4, Y(96));
    }
    // 7. The end: closing captions, in the font and clear brush the figure left.
    if (BeamX >= X(640) && BeamY <= Y(100)) {
        TimerLicht.setEnabled(false);
        c.font.color = ui::clBlack;
        d.TextOut(666, 70, "Objekt");
        d.TextOut(666, 90, "Betrachter");
        c.font.color = ui::clYellow;
        d.TextOut(430, 400, "Schematische Darstellung ");
        d.TextOut(430, 420, "des Strahlengangs");
    }
}

void TFormLMSchema::Lichtquelleanschalten1Click() {
    Lichtquelleanschalten1.setEnabled(false);
    TimerLicht.setEnabled(true);
    resetBeam();
}

void TFormLMSchema::FormClose() {
    Lichtquelleanschalten1.setEnabled(true);
    TimerLicht.setEnabled(false);
    resetBeam();
}

}  // namespace chapters
