// TFormDetSch: a section through a silicon-lithium semiconductor detector. An X-ray photon
// runs in as a wavy line, then an electron and a hole, created in the middle of the
// i-layer, drift apart to the n- and the p-side. A five-line explanation can be shown
// over the lower part of the figure.
#pragma once

#include "frame/TopicForm.h"
#include "ui/Controls.h"
#include "ui/Timer.h"

namespace chapters {

class TFormDetSch : public frame::TopicForm {
public:
    static constexpr const char* kClassName = "TFormDetSch";
    explicit TFormDetSch(ui::Application& app);

    // Layout
    ui::PaintBox PaintBoxHaupt{*this, "PaintBoxHaupt"};
    ui::PaintBox PaintBoxText{*this, "PaintBoxText"};
    ui::MenuItem& extjanein1 = item("extjanein1");
    ui::MenuItem& Start1 = item("Start1");
    ui::MenuItem& NeuZeichnen1 = item("NeuZeichnen1");
    ui::Timer TimerQuant{*this, "TimerQuant", 50, false};
    ui::Timer TimerEloch{*this, "TimerEloch", 50, false};

    // Handlers
    void FormCreate() override;
    void FormClose() override;
    void PaintBoxHauptPaint();
    void PaintBoxTextPaint();
    void TimerQuantTimer();
    void TimerElochTimer();
    void extjanein1Click();
    void Start1Click();
    void NeuZeichnen1Click();

    // State: the photon's way in and its sideways wiggle, the drift of the electron to
    // the right and of the hole to the left (design units).
    int photonTravel = 0;
    int photonWiggle = 0;
    int electronShift = 0;
    int holeShift = 0;

private:
    void resetState();
    void electronDisc();
    void holeDisc();
};

}  // namespace chapters
