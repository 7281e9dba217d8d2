#include "chapters/lm/FormPKontrast.h"

#include "frame/Design.h"

namespace chapters {

namespace {
const frame::FrameSpec kFrame{
    .className = TFormPKontrast::kClassName,
    .caption = "Präparationsschritt: Kontrastierung",
    .designPPI = frame::kDesign120,
    .color = 0x0080FFFF /* R 255, G 255, B 128 */,
    .statusBar = nullptr,
    .menu = {frame::closeItem("Ende1"), {"start", "&Anätzen"}, {"NZ", "&Neu Zeichnen"}, frame::escItem("ESC1")},
    .placement = frame::Pattern::PreparationStep,
};

constexpr ui::TColor kGrey = 0x00808080;
constexpr ui::TColor kEtchant = 0x00FFFF00;  // cyan
constexpr ui::TColor kSample = 0x008080FF;   // R 255, G 128, B 128
}  // namespace

TFormPKontrast::TFormPKontrast(ui::Application& app) : TopicForm(app, kFrame) {
    font.height = -11;
    PaintBoxHaupt.setAlign(ui::Align::Client);
    PaintBoxHaupt.color = color();
    PaintBoxHaupt.font = font;
    PaintBoxHaupt.font.bold = true;
    PaintBoxHaupt.font.color = ui::clWindowText;
    PaintBoxHaupt.OnPaint = [this] { PaintBoxHauptPaint(); };
    ImagePol.stretch = true;
    ImagePol.setPicture(frame::loadPhoto(kPhotos[0]));
    ImageAet.stretch = true;
    ImageAet.setPicture(frame::loadPhoto(kPhotos[1]));
    ImageAet.setVisible(false);
    start.OnClick = [this] { startClick(); };
    NZ.OnClick = [this] { NZClick(); };
}

// ---- Layout: the two photographs at the top, the etched one at the right.

void TFormPKontrast::FormCreate() {
    TopicForm::FormCreate();  // at the right edge of the screen, slightly below the middle
    ImagePol.setBounds(X(2), Y(17), X(200), Y(150));
    ImageAet.setBounds(X(353), Y(17), X(200), Y(150));
}

// ---- Showing: always unetched.

void TFormPKontrast::FormShow() { Etched = 0; }

// ---- Figure

void TFormPKontrast::PaintBoxHauptPaint() {
    ui::Canvas& c = PaintBoxHaupt.canvas;
    frame::Design d = design(c);
    c.pen.mode = ui::PenMode::Copy;
    c.pen.color = kGrey;
    c.pen.width = 1;
    // The beaker in outline: bottom, walls, rim.
    c.brush.style = ui::BrushStyle::Clear;
    d.Ellipse(100, 340, 500, 410);
    d.Line(100, 205, 100, 375);
    d.Line(500, 205, 500, 375);
    d.Ellipse(100, 170, 500, 240);
    // The etchant.
    c.brush.setColor(kEtchant);
    d.Rectangle(100, 275, 500, 373);
    d.Ellipse(100, 340, 500, 410);
    d.Ellipse(100, 240, 500, 310);
    if (Etched == 1) {
        // The embedded sample hangs in the etchant.
        c.brush.setColor(kSample);
        d.Rectangle(200, 215, 400, 282);
        d.Ellipse(200, 200, 400, 230);
        d.Ellipse(200, 260, 400, 300);
        c.brush.style = ui::BrushStyle::Clear;
        c.font.height = X(18);
        d.TextOut(240, 210, "Eingebettete Probe");
        c.font.height = X(14);
        d.TextOut(275, 120, "Geätzte Probe");
        d.TextOut(275, 135, "Ätzmittel");
        d.TextOut(275, 150, "\"V2A-Beize\"");
    }
    // The rim again, over everything.
    c.brush.style = ui::BrushStyle::Clear;
    d.Ellipse(100, 170, 500, 240);
    c.font.height = X(18);
    d.TextOut(10, 1, "Sichtbarmachung des Gefüges mittels Ätzverfahren");
    d.TextOut(270, 350, "Ätzmittel");
    c.font.height = X(14);
    d.TextOut(205, 20, "Polierte Probe");
    d.TextOut(205, 35, "Austenitische");
    d.TextOut(205, 50, "Schweißverbindung");
}

// ---- Menu

void TFormPKontrast::startClick() {
    Repaint();
    Etched = 1;
    start.setEnabled(false);
    ImageAet.setVisible(true);
    Repaint();
}

void TFormPKontrast::NZClick() { unetch(); }

void TFormPKontrast::FormClose() { unetch(); }

void TFormPKontrast::unetch() {
    Repaint();
    start.setEnabled(true);
    Etched = 0;
    ImageAet.setVisible(false);
    Repaint();
}

}  // namespace chapters
