// Beam path at a polished and etched sample: four lines of text above three panels with
// the same cross-section of a sample, polished, after grain-boundary etching and after
// grain-surface etching. Per panel a menu item draws 18 vertical light rays row by row
// down onto the surface and the reflected rays back up in red: straight up, partly
// deflected at 45 degrees by the grooves, or fanned out by the tilted grain surfaces.
#pragma once

#include "frame/TopicForm.h"
#include "ui/Controls.h"
#include "ui/Timer.h"

namespace chapters {

class TFormSLicht : public frame::TopicForm {
public:
    static constexpr const char* kClassName = "TFormSLicht";
    explicit TFormSLicht(ui::Application& app);

    // Layout (later components lie above earlier ones)
    ui::PaintBox PaintBoxText{*this, "PaintBoxText"};
    ui::PaintBox PaintBoxAni1{*this, "PaintBoxAni1"};
    ui::PaintBox PaintBoxAni2{*this, "PaintBoxAni2"};
    ui::PaintBox PaintBoxAni3{*this, "PaintBoxAni3"};
    ui::Label Label1{*this, "Label1", " Polierte Probe "};
    ui::Label Label2{*this, "Label2", " Korngrenzenätzung "};
    ui::Label Label3{*this, "Label3", " Kornflächenätzung "};
    ui::Timer TimerAni1{*this, "TimerAni1", 1, false};
    ui::Timer TimerAni2{*this, "TimerAni2", 1, false};
    ui::Timer TimerAni3{*this, "TimerAni3", 1, false};
    ui::MenuItem& StrahlP = item("StrahlP");
    ui::MenuItem& StrahlG = item("StrahlG");
    ui::MenuItem& StrahlengangKorngrenzentzung1 = item("StrahlengangKorngrenzentzung1");
    ui::MenuItem& Strahlengangneu1 = item("Strahlengangneu1");

    // Handlers
    void FormCreate() override;
    void FormClose() override;
    void PaintBoxTextPaint();
    void PaintBoxAni1Paint();
    void PaintBoxAni2Paint();
    void PaintBoxAni3Paint();
    void TimerAni1Timer();
    void TimerAni2Timer();
    void TimerAni3Timer();
    void StrahlPClick();
    void StrahlGClick();
    void StrahlengangKorngrenzentzung1Click();
    void Strahlengangneu1Click();

    // State: the rows of the ray fronts, in paint-box pixels.
    int IncidentY1 = 0, IncidentY2 = 0, IncidentY3 = 0;
    int ReflectedY1 = 0, ReflectedY2 = 0, ReflectedY3 = 0;

private:
    void paintSample(ui::PaintBox& box);
};

}  // namespace chapters
