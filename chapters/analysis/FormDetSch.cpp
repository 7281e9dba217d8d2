#include "chapters/analysis/FormDetSch.h"

#include <cmath>

#include "frame/Invert.h"

namespace chapters {

using frame::Round;

namespace {
const frame::FrameSpec kFrame{
    .className = TFormDetSch::kClassName,
    .caption = "Aufbau eines Silizium-(Lithium) Halbleiter-Detektors (schematisch)",
    .color = 0x0080FFFF /* R 255, G 255, B 128 */,
    .border = ui::BorderStyle::SizeToolWin,
    .menu = {frame::closeItem("Ende1"), frame::escItem("ESC1"), {"extjanein1", "&Text ja/nein"}, {"Start1", "&Start"},
             {"NeuZeichnen1", "&Neu Zeichnen"}},
};

constexpr ui::TColor kPhoton = 0x0000C8;  // dark red
constexpr ui::TColor kTextPanel = 0xAEFFFF;
constexpr int kPhotonEnd = 82;             // the photon's travel ends before the entrance window
constexpr int kDriftEnd = 100;             // electron and hole stop at the layers' edges
}  // namespace

TFormDetSch::TFormDetSch(ui::Application& app) : TopicForm(app, kFrame) {
    font.height = -13;
    PaintBoxHaupt.setAlign(ui::Align::Client);
    PaintBoxHaupt.color = color();
    PaintBoxHaupt.font = font;
    PaintBoxHaupt.font.bold = true;
    PaintBoxHaupt.OnPaint = [this] { PaintBoxHauptPaint(); };
    PaintBoxText.color = color();
    PaintBoxText.font = font;
    PaintBoxText.setVisible(false);
    PaintBoxText.OnPaint = [this] { PaintBoxTextPaint(); };
    extjanein1.OnClick = [this] { extjanein1Click(); };
    Start1.OnClick = [this] { Start1Click(); };
    NeuZeichnen1.OnClick = [this] { NeuZeichnen1Click(); };
    TimerQuant.OnTimer = [this] { TimerQuantTimer(); };
    TimerEloch.OnTimer = [this] { TimerElochTimer(); };
}

void TFormDetSch::FormCreate() {
    placeBy(frame::Pattern::UpTo1024Inclusive);
    // The text panel's height follows the horizontal scale.
    PaintBoxText.setBounds(X(10), Y(400), X(780), Round(130 * ScaleX));
}

void TFormDetSch::PaintBoxHauptPaint() {
    ui::Canvas& c = PaintBoxHaupt.canvas;
    frame::Design d = design(c);
    // Housing, a frame open on the left, with the entrance window (the pen colour is
    // whatever drew last).
    c.pen.mode = ui::PenMode::Copy;
    c.pen.width = 1;
    c.brush.setColor(ui::clBlue);
    d.Polygon({{150, 200}, {150, 100}, {660, 100}, {660, 500}, {150, 500}, {150, 400}, {160, 400}, {160, 490},
               {650, 490}, {650, 110}, {160, 110}, {160, 200}});
    c.brush.setColor(0x4080FF);
    d.Rectangle(152, 200, 158, 400);
    // Crystal with the p- and n-layers.
    c.brush.setColor(0x409FFF);
    d.Rectangle(200, 150, 600, 450);
    c.brush.setColor(ui::clRed);
    d.Rectangle(200, 150, 250, 450);
    c.brush.setColor(0x00B3FF);
    d.Rectangle(550, 150, 600, 450);
    // High-voltage circuit, amplifier, AD converter, multichannel analyser.
    c.pen.width = 3;
    c.pen.color = ui::clRed;
    c.brush.setColor(ui::clRed);
    d.Polyline({{200, 180}, {170, 180}, {170, 60}, {400, 60}});
    d.Ellipse(397, 57, 403, 63);
    d.Ellipse(447, 57, 453, 63);
    d.Polyline({{450, 60}, {720, 60}, {720, 180}, {600, 180}});
    d.Line(600, 270, 720, 270);
    d.Polyline({{770, 270}, {770, 330}, {720, 330}, {720, 460}});
    d.Polygon({{670, 320}, {670, 220}, {770, 270}});
    d.Rectangle(670, 350, 770, 400);
    d.Rectangle(670, 450, 770, 500);
    // Labels.
    c.brush.style = ui::BrushStyle::Clear;
    c.font.height = Round(24 * ScaleX);
    c.font.color = ui::clBlack;
    d.TextOut(10, 1, "Silizium-(Lithium) Halbleiter-Detektor (schematisch)");
    c.font.color = ui::clRed;
    c.font.height = Round(18 * ScaleX);
    d.TextOut(380, 35, "Hochspannung");
    d.TextOut(180, 130, "p-Schicht");
    d.TextOut(260, 130, "i-Schicht (Übergangsgebiet mit Lithium)");
    d.TextOut(560, 130, "n-Schicht");
    c.font.color = ui::clWhite;
    d.TextOut(680, 260, "Verstärker");
    d.TextOut(680, 365, "AD-Wandler");
    d.TextOut(680, 460, "Vielkanal-");
    d.TextOut(680, 480, "analysator");
}

void TFormDetSch::PaintBoxTextPaint() {
    ui::Canvas& c = PaintBoxText.canvas;
    c.pen.mode = ui::PenMode::Copy;
    c.pen.width = 1;
    c.brush.setColor(kTextPanel);
    c.Rectangle(0, 0, PaintBoxText.width(), PaintBoxText.height());
    c.brush.style = ui::BrushStyle::Clear;
    c.font.height = Round(24 * ScaleX);
    c.font.color = ui::clBlack;
    static constexpr const char* kLines[] = {
        "Der Detektor besteht aus einem p-i-n-Übergang mit einer breiten Eigenleitungszone.",
        "Die Röntgenstrahlung erzeugt eine energieproportionale Anzahl von Elektron-Loch-Paaren.",
        "Spannungspulse werden auf eine angelegte Spannung übertragen, in einem Vor- und ",
        "Hauptverstärker verstärkt, anschließend in einem Analog-Digital-Wandler digitalisiert und",
        "schließlich in einem Vielkanalanalysator gespeichert.",
    };
    int k = 5;
    for (const char* line : kLines) {
        c.TextOut(X(10), Y(k), line);
        k += 25;
    }
}

// The photon: a wave 2 units a tick to the right, then its arrow head; 41 ticks, the tip
// ends at x 142, just before the entrance window.
void TFormDetSch::TimerQuantTimer() {
    ui::Canvas& c = PaintBoxHaupt.canvas;
    frame::Design d = design(c);
    c.brush.style = ui::BrushStyle::Clear;
    c.pen.mode = ui::PenMode::Copy;
    c.pen.color = kPhoton;
    c.pen.width = 5;
    if (photonTravel < kPhotonEnd) {
        d.MoveTo(photonTravel + 30, 300 - photonWiggle);
        photonTravel += 2;
        photonWiggle = Round(10 * std::sin(photonTravel / 2.0));
        d.LineTo(photonTravel + 30, 300 - photonWiggle);
        c.font.color = ui::clBlack;
        d.TextOut(10, 260, "Röntgenphotonen");
    }
    if (photonTravel >= kPhotonEnd) {
        c.brush.setColor(kPhoton);
        d.Polygon({{photonTravel + 30.0, 280.0 - photonWiggle},
                   {photonTravel + 30.0, 320.0 - photonWiggle},
                   {photonTravel + 60.0, 300.0 - photonWiggle}});
        TimerQuant.setEnabled(false);
        TimerEloch.setEnabled(true);
    }
}

// The electron (black) and the hole (red) are discs moved by inverting.
void TFormDetSch::electronDisc() {
    ui::Canvas& c = PaintBoxHaupt.canvas;
    c.brush.setColor(ui::clBlack);
    design(c).Ellipse(electronShift + 380, 280, electronShift + 420, 320);
}

void TFormDetSch::holeDisc() {
    ui::Canvas& c = PaintBoxHaupt.canvas;
    c.brush.setColor(ui::clRed);
    design(c).Ellipse(380 - holeShift, 280, 420 - holeShift, 320);
}

// The pair separates 2 units a tick in each direction, 50 ticks; the last tick draws the
// arrows and labels before the hole's last step.
void TFormDetSch::TimerElochTimer() {
    ui::Canvas& c = PaintBoxHaupt.canvas;
    frame::Design d = design(c);
    c.brush.style = ui::BrushStyle::Clear;
    c.pen.mode = ui::PenMode::NotXor;
    c.pen.color = kPhoton;
    c.pen.width = 1;
    if (electronShift < kDriftEnd) frame::moveInverted([this] { electronDisc(); }, [this] { electronShift += 2; });
    if (electronShift == 2) {
        // The first draw inverted the start place too: draw it once more to clear it.
        c.brush.setColor(ui::clBlack);
        d.Ellipse(380, 280, 420, 320);
        c.brush.style = ui::BrushStyle::Clear;
        d.TextOut(280, 170, "Erzeugung von Elektronen-Lochpaaren");
    }
    if (electronShift >= kDriftEnd) {
        c.brush.setColor(ui::clBlack);
        c.pen.width = 1;
        d.Rectangle(480, 265, 520, 275);
        d.Polygon({{520, 260}, {520, 280}, {540, 270}});
        c.brush.setColor(ui::clRed);
        d.Rectangle(280, 265, 320, 275);
        d.Polygon({{280, 260}, {280, 280}, {260, 270}});
        c.brush.style = ui::BrushStyle::Clear;
        d.TextOut(480, 240, "Elektron");
        d.TextOut(270, 240, "Loch");
        TimerEloch.setEnabled(false);
    }
    if (holeShift < kDriftEnd) frame::moveInverted([this] { holeDisc(); }, [this] { holeShift += 2; });
    if (holeShift == 2) {
        c.brush.setColor(ui::clRed);
        d.Ellipse(380, 280, 420, 320);
    }
}

// The text panel is shown over the lower part of the figure or hidden; the timers draw
// only on the figure.
void TFormDetSch::extjanein1Click() { PaintBoxText.setVisible(!PaintBoxText.visible()); }

void TFormDetSch::resetState() {
    photonTravel = 0;
    photonWiggle = 0;
    electronShift = 0;
    holeShift = 0;
}

// Starts the photon; a pair that is still moving goes on from its reset shifts.
void TFormDetSch::Start1Click() {
    resetState();
    TimerQuant.setEnabled(true);
}

// Redraws the figure; a running timer goes on from the reset values over it.
void TFormDetSch::NeuZeichnen1Click() {
    resetState();
    Repaint();
}

void TFormDetSch::FormClose() {
    resetState();
    TimerQuant.setEnabled(false);
    TimerEloch.setEnabled(false);
}

}  // namespace chapters
