#include "chapters/rem/FormREMAvT.h"

#include "chapters/PicturePages.h"

namespace chapters {

using frame::Round;

namespace {
const frame::FrameSpec kFrame{
    .className = TFormREMAvT::kClassName,
    .caption = "Charakteristische Bruchflächen von Stählen mit dem SE-Detektor",
    .designPPI = frame::kDesign120,
    .color = 0x00E30257 /* R 87, G 2, B 227 */,
    .menu = {frame::closeItem("Ende1"), frame::escItem("ESC1"), {"StartKRZ1", "&Start KRZ"},
             {"StartKFZ1", "Start &KFZ"}, {"Neu1", "&Neu"}},
    .placement = frame::Pattern::UpTo1024Inclusive,
};

constexpr ui::TColor kPurple = 0x00800080;
}  // namespace

TFormREMAvT::TFormREMAvT(ui::Application& app) : TopicForm(app, kFrame) {
    PaintBoxHaupt.font = font;
    PaintBoxHaupt.OnPaint = [this] { PaintBoxHauptPaint(); };
    for (int k = 0; k < 3; ++k) ImageListKRZ.add(frame::loadPhoto(kPhotos[k]));
    ImageListKFZ.add(frame::loadPhoto(kPhotos[3]));
    PaintBoxAus.OnClick = [this] { PaintBoxAusClick(); };
    PaintBoxSpalt.OnClick = [this] { PaintBoxSpaltClick(); };
    PaintBoxMisch.OnClick = [this] { PaintBoxMischClick(); };
    PaintBoxDuk.OnClick = [this] { PaintBoxDukClick(); };
    PaintBoxAus.accessibleName = kAvTAus.caption;
    PaintBoxSpalt.accessibleName = kAvTSpa.caption;
    PaintBoxMisch.accessibleName = kAvTMisch.caption;
    PaintBoxDuk.accessibleName = kAvTDuk.caption;
    StartKRZ1.OnClick = [this] { StartKRZ1Click(); };
    StartKFZ1.OnClick = [this] { StartKFZ1Click(); };
    Neu1.OnClick = [this] { Neu1Click(); };
    TimerKRZ.OnTimer = [this] { TimerKRZTimer(); };
    TimerKFZ.OnTimer = [this] { TimerKFZTimer(); };
}

void TFormREMAvT::FormCreate() {
    TopicForm::FormCreate();
    PaintBoxHaupt.setBounds(5, 5, X(777), Y(520));
    PaintBoxAus.setBounds(X(150), Y(100), X(120), Y(120));
    PaintBoxSpalt.setBounds(X(50), Y(250), X(120), Y(120));
    PaintBoxMisch.setBounds(X(410), Y(220), X(120), Y(120));
    PaintBoxDuk.setBounds(X(570), Y(160), X(120), Y(120));
    // The very first run starts two units higher than every later one.
    KrzX = 130;
    KrzY = 390;
    KfzX = 130;
    KfzY = 90;
}

// Notch-impact energy against temperature: the empty chart.
void TFormREMAvT::PaintBoxHauptPaint() {
    ui::Canvas& c = PaintBoxHaupt.canvas;
    frame::Design d = design(c);
    c.font.name = "MS Sans Serif";
    c.pen.style = ui::PenStyle::Solid;
    c.pen.width = 1;
    c.pen.color = 0x00000001;
    c.brush.setColor(0x0000E9FF);
    c.Rectangle(PaintBoxHaupt.left(), PaintBoxHaupt.top(), PaintBoxHaupt.width(), PaintBoxHaupt.height());
    c.brush.setColor(ui::clWhite);
    d.Rectangle(120, 50, 720, 400);
    c.brush.style = ui::BrushStyle::Clear;
    c.font.color = ui::clBlack;
    c.font.height = 22;
    d.TextOut(350, 422, "Temperatur /°C");
    const std::pair<int, const char*> axis[] = {{100, "-100"}, {220, "- 50"}, {345, "   0"},
                                                {465, "  50"}, {585, " 100"}, {705, " 150"}};
    for (const auto& [x, s] : axis) d.TextOut(x, 405, s);
    d.TextOut(20, 50, "Kerbschlag-");
    d.TextOut(20, 70, "arbeit");
    c.pen.width = 1;
    c.pen.style = ui::PenStyle::Dot;
    for (int i = 2; i <= 7; ++i) d.Line(120, 50 * i, 720, 50 * i);
    for (int i = 3; i <= 11; ++i) d.Line(60 * i, 50, 60 * i, 400);
}

// A point of a curve: a square of s pixels at the scaled point.
void TFormREMAvT::square(ui::Canvas& c, double x, double y, int s) {
    c.Rectangle(Round(x * ScaleX), Round(y * ScaleY), Round(x * ScaleX + s), Round(y * ScaleY + s));
}

// A point of the transition: a bar whose height grows with the scatter of the values.
void TFormREMAvT::scatterBar(ui::Canvas& c, double x, double y) {
    c.Rectangle(Round(x * ScaleX), Round(y * ScaleY - KrzSpread), Round(x * ScaleX + 10),
                Round(y * ScaleY + 10 + KrzSpread));
}

void TFormREMAvT::scaleBar(ui::Canvas& c) {
    frame::Design d = design(c);
    c.pen.color = ui::clBlack;
    d.Line(100, 480, 170, 480);
    d.Line(100, 475, 100, 485);
    d.Line(170, 475, 170, 485);
    c.brush.style = ui::BrushStyle::Clear;
    c.font.color = ui::clBlack;
    d.TextOut(100, 450, "REM-Aufnahmen");
    d.TextOut(100, 490, "0.05 mm");
}

void TFormREMAvT::TimerKRZTimer() {
    ui::Canvas& c = PaintBoxHaupt.canvas;
    frame::Design d = design(c);
    double& x = KrzX;
    double& y = KrzY;
    c.pen.color = kPurple;
    c.brush.setColor(kPurple);
    // Lower shelf.
    if (x <= 220) {
        c.pen.width = 1;
        square(c, x, y, 10);
        x += 5;
        y = 396 - x / 22;
    }
    if (x >= 210 && x <= 215) {
        KrzPictureIndex = 0;
        ImageListKRZ.Draw(c, X(50), Y(250), KrzPictureIndex);
        KrzPictureIndex += 1;
        c.font.color = ui::clWhite;
        c.font.height = X(16);
        d.TextOut(20, 355, " Spaltbruch S235 ");
        d.TextOut(130, 355, "  Tieflage  ");
        c.brush.setColor(kPurple);
        d.Rectangle(230, 442, 770, 522);
        d.TextOut(230, 447, " Kerbschlagarbeit-Temperatur-Kurve eines kubisch-raumzentrierten Werkstoffes");
        d.TextOut(230, 465, " z.B. un- und niedriglegierter Stahl, der bei tiefen Temperaturen spröde und bei hohen");
        d.TextOut(230, 483, " Temperaturen zäh sind. Zwischen dieser Tieflage (spröde) und der Hochlage (zäh)");
        d.TextOut(230, 501, " liegt ein Steilabfall mit stark streuenden Werten");
        scaleBar(c);
    }
    // Transition, rising and falling, with widely scattering values.
    if (x >= 220 && x <= 390) {
        c.pen.width = 1;
        scatterBar(c, x, y);
        KrzSpread += 1.3;
        x += 5;
        y = 386 - (x / 15 - 14) * (x / 15 - 14);
    }
    if (x >= 390 && x <= 500) {
        c.pen.width = 1;
        scatterBar(c, x, y);
        KrzSpread -= 2.2;
        x += 5;
        y = (x / 14 - 37) * (x / 14 - 37) + 158;
    }
    if (x >= 480 && x <= 500) {
        ImageListKRZ.Draw(c, X(410), Y(220), KrzPictureIndex);
        c.font.color = ui::clWhite;
        c.font.height = X(16);
        d.TextOut(430, 330, " Mischbruch S235 ");
        d.TextOut(350, 190, "  Steilabfall  ");
    }
    // Upper shelf, its points joined from wherever the pen stands.
    if (x >= 500 && x <= 690) {
        c.pen.width = 1;
        square(c, x, y, 10);
        x += 5;
        y -= 0.2;
        c.LineTo(Round(x * ScaleX), Round(y * ScaleY));
    }
    if (x >= 690) {
        KrzPictureIndex += 1;
        ImageListKRZ.Draw(c, X(570), Y(160), KrzPictureIndex);
        c.font.color = ui::clWhite;
        d.TextOut(575, 260, " Wabenbruch S235 ");
        d.TextOut(570, 130, "  Hochlage  ");
        KrzDone = true;
        if (KfzDone) setClickCursor(ui::Cursor::HandPoint);
        TimerKRZ.setEnabled(false);
    }
}

void TFormREMAvT::TimerKFZTimer() {
    ui::Canvas& c = PaintBoxHaupt.canvas;
    frame::Design d = design(c);
    double& x = KfzX;
    double& y = KfzY;
    c.pen.color = ui::clRed;
    c.brush.setColor(ui::clRed);
    if (x <= 700) {
        c.pen.width = 1;
        square(c, x, y, 7);
        x += 5;
        y = 94 - x / 40;
    }
    if (x >= 210 && x <= 215) {
        KfzPictureIndex = 0;
        ImageListKFZ.Draw(c, X(150), Y(100), KfzPictureIndex);
        c.font.color = ui::clWhite;
        c.font.height = X(16);
        d.TextOut(130, 200, " X5 CrNi 18 9 Wabenbruch");
        c.brush.setColor(ui::clRed);
        d.Rectangle(230, 20, 770, 70);
        d.TextOut(230, 25, " Kerbschlagarbeit-Temperatur-Kurve eines kubisch-flächenzentrierten Werkstoffes,");
        d.TextOut(230, 42, " z.B. austenitischer Chrom-Nickel-Stahl, stabile Hochlage im gesamten Temperaturbereich.");
        scaleBar(c);
    }
    if (x >= 700 && x <= 720) {
        KfzDone = true;
        if (KrzDone) setClickCursor(ui::Cursor::HandPoint);
        TimerKFZ.setEnabled(false);
    }
}

void TFormREMAvT::StartKRZ1Click() { TimerKRZ.setEnabled(true); }

void TFormREMAvT::StartKFZ1Click() { TimerKFZ.setEnabled(true); }

void TFormREMAvT::resetCurves() {
    KrzX = 130;
    KrzY = 392;
    KfzX = 130;
    KfzY = 90;
    KrzSpread = 1.0;
}

void TFormREMAvT::setClickCursor(ui::Cursor c) {
    for (ui::PaintBox* p : {&PaintBoxAus, &PaintBoxSpalt, &PaintBoxMisch, &PaintBoxDuk}) p->cursor = c;
}

void TFormREMAvT::Neu1Click() {
    Repaint();
    KrzDone = false;
    KfzDone = false;
    setClickCursor(ui::Cursor::Default);
    TimerKRZ.setInterval(50);
    TimerKFZ.setInterval(50);
    TimerKRZ.setEnabled(false);
    TimerKFZ.setEnabled(false);
    resetCurves();
}

void TFormREMAvT::FormClose() {
    Repaint();
    setLeft(frame::centredLeft(screenWidth(), width()));
    KrzDone = false;
    KfzDone = false;
    setClickCursor(ui::Cursor::Default);
    TimerKRZ.setInterval(50);
    TimerKFZ.setInterval(50);
    TimerKRZ.setEnabled(false);
    TimerKFZ.setEnabled(false);
    resetCurves();
}

// The pictures open only once both curves are complete.
void TFormREMAvT::openPage(ui::Form* page) {
    if (!KrzDone || !KfzDone || !page) return;
    frame::showPictureNotModal(*this, *page);
}

void TFormREMAvT::PaintBoxAusClick() { openPage(frame::findWindow<TFormAvTAus>(application())); }
void TFormREMAvT::PaintBoxSpaltClick() { openPage(frame::findWindow<TFormAvTSpa>(application())); }
void TFormREMAvT::PaintBoxMischClick() { openPage(frame::findWindow<TFormAvTMisch>(application())); }
void TFormREMAvT::PaintBoxDukClick() { openPage(frame::findWindow<TFormAvTDuk>(application())); }

// A fracture page has closed: the chart is repainted, back in the middle, and both
// curves replay at high speed.
void TFormREMAvT::pageClosed() {
    Repaint();
    setLeft(frame::centredLeft(screenWidth(), width()));
    resetCurves();
    TimerKRZ.setInterval(1);
    TimerKFZ.setInterval(1);
    TimerKRZ.setEnabled(true);
    TimerKFZ.setEnabled(true);
}

}  // namespace chapters
