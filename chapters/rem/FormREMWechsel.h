// Interactions overview: the primary beam comes down from the pole piece onto a sample
// block, then secondary electrons, backscattered electrons and two wavy X-ray tracks
// leave the point of impact, and at the end the detectors and signals are named.
#pragma once

#include "frame/TopicForm.h"
#include "ui/Controls.h"
#include "ui/Timer.h"

namespace chapters {

class TFormREMWechsel : public frame::TopicForm {
public:
    static constexpr const char* kClassName = "TFormREMWechsel";
    explicit TFormREMWechsel(ui::Application& app);

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

    // The figure is laid out for 800 x 600 or 1024 x 768 pixels, whatever the screen.
    int FW = 800;
    int FH = 600;
    int cx() const { return FW / 2; }
    int cy() const { return FH / 2 - 40; }

    // State: the lower end of the beam (70 only in the first run after start-up) and
    // how far each of the four tracks has come.
    int beamY = 70;
    int seX = 0, seY = 0;
    int bseX = 0, bseY = 0;
    int wdxX = 0, wdxY = 0;
    int edxX = 0, edxY = 0;
};

}  // namespace chapters
