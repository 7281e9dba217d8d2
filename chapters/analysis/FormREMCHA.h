// Ionisation of an atom of the sample: a primary electron knocks an electron out of the
// inner shell and flies on (first stage); then an electron of the outer shell falls into
// the vacancy and an X-ray photon leaves the atom as a wavy line (second stage).
#pragma once

#include "frame/TopicForm.h"
#include "ui/Controls.h"
#include "ui/Timer.h"

namespace chapters {

class TFormREMCHA : public frame::TopicForm {
public:
    static constexpr const char* kClassName = "TFormREMCHA";
    explicit TFormREMCHA(ui::Application& app);

    // Layout
    ui::PaintBox PaintBoxHaupt{*this, "PaintBoxHaupt"};
    ui::MenuItem& Start = item("Start");
    ui::MenuItem& ZurckfallendesElektron1 = item("ZurckfallendesElektron1");
    ui::MenuItem& Neu = item("Neu");
    ui::Timer TimerPri{*this, "TimerPri", 50, false};
    ui::Timer TimerZurueck{*this, "TimerZurueck", 50, false};

    // Handlers
    void FormCreate() override;
    void FormPaint() override;
    void FormClose() override;
    void TimerPriTimer();
    void TimerZurueckTimer();
    void StartClick();
    void ZurckfallendesElektron1Click();
    void NeuClick();

    // Geometry, from the window size (set by the paint handler)
    int centreX = 0;
    int centreY = 0;
    int innerRadius = 0;
    int outerRadius = 0;
    int innerLeftX = 0;
    int outerLeftX = 0;

    // Animation state
    int primaryX = 0;
    int primaryY = -20;
    int ejectedX = 0;
    int ejectedY = 0;
    int fallingX = 0;
    int waveTravel = 0;
    int waveDrift = 0;
    int waveWiggle = 0;  // survives every repaint and run
    int primaryEndX = 0;
    int primaryEndY = 0;
    int ejectedEndX = 0;
    int ejectedEndY = 0;

private:
    void drawPrimary();
    void drawEjected();
    void drawFalling();
    ui::Point wavePoint() const;
};

}  // namespace chapters
