// TFormPTrennen: Präparationsschritt: Trennen. A precision cut-off machine: a motor drives
// a cutting disc seen almost edge-on, a coolant jet comes from the right, and "&Start"
// turns the disc and feeds the bar of sample material into it until the piece is cut off.
#pragma once

#include <span>

#include "frame/Spokes.h"
#include "frame/TopicForm.h"
#include "ui/Controls.h"
#include "ui/Timer.h"

namespace chapters {

class TFormPTrennen : public frame::TopicForm {
public:
    static constexpr const char* kClassName = "TFormPTrennen";
    static constexpr int kFeedSteps = 16;
    explicit TFormPTrennen(ui::Application& app);

    // Layout
    ui::PaintBox PaintBoxHaupt{*this, "PaintBoxHaupt"};
    ui::MenuItem& Start = item("Start");
    ui::MenuItem& NZ = item("NZ");
    ui::Timer TimerRad{*this, "TimerRad", 50, false};
    ui::Timer TimerVor{*this, "TimerVor", 50, false};

    // Handlers
    void FormCreate() override;
    void FormActivate() override;
    void FormClose() override;
    void PaintBoxHauptPaint();
    void TimerRadTimer();
    void TimerVorTimer();
    void StartClick();
    void NZClick();

    // State
    int WheelCX = 0, WheelCY = 0;
    int WheelRX = 0, WheelRY = 0;
    int WheelPhase = 0;
    int SpokeCount = 36;
    int SpokeStep = 10;
    int FeedX = 0, FeedY = 0;
    frame::SpokeTable Spokes;

private:
    frame::Wheel wheel() const { return {WheelCX, WheelCY, WheelRX, WheelRY}; }
    void shiftedPolygon(std::span<const frame::DPoint> pts, int u, int v);
    void resetAndRedraw();
};

}  // namespace chapters
