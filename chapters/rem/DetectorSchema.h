// The two detector schematics (SE and BSE): a light-stripes backdrop, a figure of the
// column end, the detector and the sample, and the primary beam that sweeps across the
// sample and back again and again, drawn in not-xor, while electrons leave the sample at
// fixed points of the sweep and fly towards the detector. The two windows differ in
// their figure, their captions and their table of emitters.
#pragma once

#include <span>
#include <vector>

#include "frame/TopicForm.h"
#include "ui/Controls.h"
#include "ui/Timer.h"

namespace chapters {

// One point where electrons leave the sample: active while the forward beam stands at
// or right of T (forward) or the backward beam at or left of T (backward); its dot starts
// at (x0, y0) and moves by (stepX, stepY) pixels up and to the left each tick.
struct Emitter {
    bool forward;
    int T;
    int x0;
    int y0;
    int stepX;
    int stepY;
};

// A caption in design units.
struct SchemaText {
    int x;
    int y;
    const char* text;
};

struct SweepSpec {
    std::span<const Emitter> emitters;
    SchemaText beamCaption;              // at font height 30, red
    std::span<const SchemaText> legend;  // at font height 20, red
    int beamFootY;   // where the beam line meets the sample
    int riseLimit;   // how far a dot rises, in design units
    bool finishes;   // a dot that has risen far enough is erased and parked until the next cycle
};

class DetectorSchema : public frame::TopicForm {
public:
    DetectorSchema(ui::Application& app, const frame::FrameSpec& frame, const SweepSpec& sweep);

    // Layout
    ui::PaintBox PaintBoxHaupt{*this, "PaintBoxHaupt"};
    ui::MenuItem& Lichtquelleanschalten1 = item("Lichtquelleanschalten1");
    ui::MenuItem& Wechselwirkung1 = item("Wechselwirkung1");
    ui::Timer TimerLicht{*this, "TimerLicht", 50, false};

    // Handlers
    void FormCreate() override;
    void FormPaint() override;
    void TimerLichtTimer();
    void Lichtquelleanschalten1Click();
    void Wechselwirkung1Click();
    // The reset item of both windows: start item back, figure repainted, timer off, sweep reset.
    void resetClick();

    // State
    int beamX = 0;      // foot of the beam on the forward pass, pixels
    int beamBackX = 0;  // foot of the beam on the backward pass, pixels
    std::vector<int> flightX;  // per emitter: offset of its dot; 0 not emitted yet, -1500 finished
    std::vector<int> flightY;

protected:
    virtual void PaintBoxHauptPaint() = 0;
    // The beam back at the left end of the sweep, every electron back at its origin.
    void resetSweep();
    // Stage and column end, the same in both figures (brushes set here, pen as it stands).
    void paintStageAndColumn(ui::Canvas& c);

private:
    // Step 1 of every tick: the captions, drawn over whatever is there.
    void drawCaptions(ui::Canvas& c);
    void beamLine(ui::Canvas& c, int x);
    void dot(ui::Canvas& c, size_t k);

    SweepSpec sweep_;
};

}  // namespace chapters
