// TFormPEin: Präparationsschritt: Einfassen. A sample standing in a cylindrical mould;
// "&Start" lets the casting resin rise in 100 ticks until it covers the sample.
#pragma once

#include "frame/TopicForm.h"
#include "ui/Controls.h"
#include "ui/Timer.h"

namespace chapters {

class TFormPEin : public frame::TopicForm {
public:
    static constexpr const char* kClassName = "TFormPEin";
    static constexpr int kFullLevel = 100;
    explicit TFormPEin(ui::Application& app);

    // Layout
    ui::PaintBox PaintBoxHaupt{*this, "PaintBoxHaupt"};
    ui::MenuItem& start = item("start");
    ui::MenuItem& NZ = item("NZ");
    ui::Timer TimerProbe{*this, "TimerProbe", 50, false};

    // Handlers
    void FormShow() override;
    void FormClose() override;
    void PaintBoxHauptPaint();
    void TimerProbeTimer();
    void startClick();
    void NZClick();

    // State
    int FillLevel = 0;  // design units the resin has risen

private:
    void sample();
    void resetAndRedraw();
};

}  // namespace chapters
