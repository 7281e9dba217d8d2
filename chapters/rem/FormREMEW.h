// Beam-matter interaction, the full page: the backscattered electron, the secondary
// electron and the X-ray quantum that rises when an electron falls to the K shell.
#pragma once

#include "chapters/rem/BeamMatterForm.h"

namespace chapters {

class TFormREMEW : public BeamMatterForm {
public:
    static constexpr const char* kClassName = "TFormREMEW";
    explicit TFormREMEW(ui::Application& app);

    // Layout
    ui::MenuItem& RQ1 = item("RQ1");
    ui::Timer Timer4{*this, "Timer4", 59, false};

    // Handlers
    void Timer4Timer();
    void RQ1Click();

    // Run state (pixels): the electron that falls inward and the quantum.
    int fallX = 0, fallY = 0;
    int quantX = 0, quantY = 0;

protected:
    void stopRuns() override;
    void enableStartItems() override;
};

}  // namespace chapters
