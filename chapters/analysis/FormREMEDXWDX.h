// TFormREMEDXWDX: the two ways of analysing the X-rays of a scanning electron microscope
// side by side: the energy-dispersive chain on the right, the wavelength-dispersive chain
// with its Rowland circle on the left. The beam runs down to the sample, a straight X-ray
// track rises to the EDX detector, a wavy one is reflected by the crystal down to the WDX
// detector, and both spectrum displays show their peaks.
#pragma once

#include "frame/TopicForm.h"
#include "ui/Controls.h"
#include "ui/Timer.h"

namespace chapters {

class TFormREMEDXWDX : public frame::TopicForm {
public:
    static constexpr const char* kClassName = "TFormREMEDXWDX";
    explicit TFormREMEDXWDX(ui::Application& app);

    // Layout
    ui::PaintBox PaintBoxHaupt{*this, "PaintBoxHaupt"};
    ui::MenuItem& Start = item("Start");
    ui::MenuItem& Stopp1 = item("Stopp1");
    ui::Timer TimerWelle{*this, "TimerWelle", 10, false};

    // Handlers
    void FormCreate() override;
    void FormClose() override;
    void PaintBoxHauptPaint();
    void TimerWelleTimer();
    void StartClick();
    void Stopp1Click();

    // The figure's centre in pixels, fixed by the create handler.
    int centreX = 0;
    int centreY = 0;

    // State: the lower end of the beam drawn so far, the straight track to the EDX
    // detector and the wavy track to the WDX side.
    int beamY = 70;
    int edxTravel = 0;
    int edxRise = 0;
    int wdxTravel = 0;
    int wdxRise = 0;

private:
    void reset();
};

}  // namespace chapters
