// Light microscope schematic: a reflected-light microscope in section. Switching the
// light on sends a broad pale-yellow beam from the lamp over the lower prism down through
// the objective onto the specimen, back up the tube and over the upper prism to the
// eyepiece, growing a few pixels per tick; then four closing captions appear.
#pragma once

#include "frame/TopicForm.h"
#include "ui/Controls.h"
#include "ui/Timer.h"

namespace chapters {

class TFormLMSchema : public frame::TopicForm {
public:
    static constexpr const char* kClassName = "TFormLMSchema";
    explicit TFormLMSchema(ui::Application& app);

    // Layout
    ui::PaintBox PaintBoxHaupt{*this, "PaintBoxHaupt"};
    ui::MenuItem& Lichtquelleanschalten1 = item("Lichtquelleanschalten1");
    ui::Timer TimerLicht{*this, "TimerLicht", 50, false};

    // Handlers
    void FormClose() override;
    void FormPaint() override;
    void PaintBoxHauptPaint();
    void TimerLichtTimer();
    void Lichtquelleanschalten1Click();

    // State: the progress of the beam, in paint-box pixels.
    int BeamX = 0;
    int BeamY = 0;

private:
    void resetBeam();
};

}  // namespace chapters
