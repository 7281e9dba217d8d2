#include "chapters/rem/DetectorSchema.h"

#include "chapters/rem/FormREMEWK.h"
#include "frame/Backdrop.h"

namespace chapters {

DetectorSchema::DetectorSchema(ui::Application& app, const frame::FrameSpec& frame, const SweepSpec& sweep)
    : TopicForm(app, frame), sweep_(sweep) {
    PaintBoxHaupt.setAlign(ui::Align::Client);
    PaintBoxHaupt.color = color();
    PaintBoxHaupt.font = font;
    PaintBoxHaupt.OnPaint = [this] { PaintBoxHauptPaint(); };
    TimerLicht.OnTimer = [this] { TimerLichtTimer(); };
    Lichtquelleanschalten1.OnClick = [this] { Lichtquelleanschalten1Click(); };
    Wechselwirkung1.OnClick = [this] { Wechselwirkung1Click(); };
    flightX.assign(sweep_.emitters.size(), 0);
    flightY.assign(sweep_.emitters.size(), 0);
}

void DetectorSchema::FormCreate() {
    TopicForm::FormCreate();
    flightX.assign(sweep_.emitters.size(), 0);
    flightY.assign(sweep_.emitters.size(), 0);
}

// White at the top fading to yellow at y 510; below it the window's own yellow.
void DetectorSchema::FormPaint() {
    canvas.pen.mode = ui::PenMode::Copy;
    canvas.pen.style = ui::PenStyle::Solid;
    frame::paintLightStripes(canvas, screenWidth());
}

void DetectorSchema::resetSweep() {
    beamX = X(300);
    beamBackX = X(500);
    flightX.assign(sweep_.emitters.size(), 0);
    flightY.assign(sweep_.emitters.size(), 0);
}

void DetectorSchema::paintStageAndColumn(ui::Canvas& c) {
    frame::Design d = design(c);
    c.brush.setColor(0x00FA0555);
    c.Rectangle(0, Y(500), PaintBoxHaupt.width(), PaintBoxHaupt.height());
    c.brush.setColor(ui::clSilver);
    d.Polygon({{300, 30}, {500, 30}, {420, 85}, {380, 85}});
    d.Rectangle(300, 2, 500, 30);
}

void DetectorSchema::drawCaptions(ui::Canvas& c) {
    frame::Design d = design(c);
    c.font.color = ui::clRed;
    c.font.height = X(30);
    d.TextOut(sweep_.beamCaption.x, sweep_.beamCaption.y, sweep_.beamCaption.text);
    c.font.height = X(20);
    for (const SchemaText& t : sweep_.legend) d.TextOut(t.x, t.y, t.text);
}

// The beam from the pole piece to the sample; drawn twice at the same place it is gone.
void DetectorSchema::beamLine(ui::Canvas& c, int x) {
    c.pen.width = X(10);
    c.MoveTo(X(400), Y(85));
    c.LineTo(x, Y(sweep_.beamFootY));
}

void DetectorSchema::dot(ui::Canvas& c, size_t k) {
    const Emitter& e = sweep_.emitters[k];
    c.Ellipse(frame::Round(e.x0 * ScaleX + flightX[k]), frame::Round(e.y0 * ScaleY + flightY[k]),
              frame::Round((e.x0 + 5) * ScaleX + flightX[k]), frame::Round((e.y0 + 5) * ScaleY + flightY[k]));
}

void DetectorSchema::TimerLichtTimer() {
    ui::Canvas& c = PaintBoxHaupt.canvas;
    drawCaptions(c);
    c.pen.color = ui::clRed;
    c.pen.mode = ui::PenMode::NotXor;
    const int left = X(300), right = X(500);
    // Forward pass.
    if (beamX == left) beamLine(c, beamX);
    if (beamX < right) {
        beamLine(c, beamX);
        beamX += 5;
        beamLine(c, beamX);
    }
    // Backward pass. On wider scales the forward pass overshoots the right end by 4
    // pixels; the offset makes the backward pass start on that line.
    if (beamX >= right) {
        const int d = ScaleX >= 1.1 ? 4 : 0;
        beamLine(c, beamBackX + d);
        beamBackX -= 5;
        beamLine(c, beamBackX + d);
    }
    // End of the cycle.
    if (beamBackX <= left) {
        beamX = left;
        beamBackX = right;
        beamLine(c, beamX);
        flightX.assign(sweep_.emitters.size(), 0);
        flightY.assign(sweep_.emitters.size(), 0);
    }
    // The electrons, in the order of the table.
    const int top = Y(-sweep_.riseLimit);
    for (size_t k = 0; k < sweep_.emitters.size(); ++k) {
        const Emitter& e = sweep_.emitters[k];
        const bool active = e.forward ? beamX >= X(e.T) : beamBackX <= X(e.T);
        if (!active) continue;
        if (flightY[k] >= 0) dot(c, k);
        if (flightY[k] >= top) {
            dot(c, k);
            flightX[k] -= e.stepX;
            flightY[k] -= e.stepY;
            dot(c, k);
        }
        if (sweep_.finishes && flightY[k] <= top) {
            dot(c, k);
            flightX[k] = -1500;
            flightY[k] = -1500;
        }
    }
}

void DetectorSchema::Lichtquelleanschalten1Click() {
    Lichtquelleanschalten1.setEnabled(false);
    TimerLicht.setEnabled(true);
    beamX = X(300);
    beamBackX = X(500);
}

void DetectorSchema::resetClick() {
    Lichtquelleanschalten1.setEnabled(true);
    Repaint();
    TimerLicht.setEnabled(false);
    resetSweep();
}

// The small interaction window on top; the sweep goes on behind it.
void DetectorSchema::Wechselwirkung1Click() {
    if (TFormREMEWK* w = frame::findWindow<TFormREMEWK>(application())) w->ShowModal();
}

}  // namespace chapters
