// The grinding and the polishing window show the same machine: a turntable seen obliquely
// from the side, whose face carries a star of 36 spokes that turns while the embedded
// sample rests on the disc. The two windows differ only in their row of the table below.
#pragma once

#include "frame/Spokes.h"
#include "frame/TopicForm.h"
#include "ui/Controls.h"
#include "ui/Timer.h"

namespace chapters {

struct TurntableSpec {
    const char* className;
    const char* caption;
    ui::TColor face;          // brush of the disc face: grinding paper or polishing cloth
    const char* title;        // at (10,5)
    const char* machine;      // machine label at (350,335)
    const char* tickLine1;    // drawn by every tick at (300,210)
    const char* tickLine2;    // and at (300,230)
};

// The differences between the grinding and the polishing window.
inline constexpr TurntableSpec kGrinding{
    .className = "TFormPSchleif",
    .caption = "Präparationsschritt: Schleifen",
    .face = 0x00C0C0C0,  // silver
    .title = "Schleifen einer Probe mittels Schleifmaschine",
    .machine = "Schleifmaschine",
    .tickLine1 = "Feinschleifen mit Schleifpapier",
    .tickLine2 = "unterschiedlicher Körnung ",
};
inline constexpr TurntableSpec kPolishing{
    .className = "TFormPPol",
    .caption = "Präparationsschritt: Polieren",
    .face = 0x000000FF,  // red
    .title = "Mechanisches Polieren einer Probe mittels Poliermaschine",
    .machine = "Poliermaschine",
    .tickLine1 = "Polieren mit Polierscheibe",
    .tickLine2 = "z.B. Tonerde oder Diamantsuspension",
};

class TurntableForm : public frame::TopicForm {
public:
    TurntableForm(ui::Application& app, const TurntableSpec& spec);

    // Layout
    ui::PaintBox PaintBoxHaupt{*this, "PaintBoxHaupt"};
    ui::MenuItem& start1 = item("start1");
    ui::MenuItem& Stopp1 = item("Stopp1");
    ui::Timer TimerRad{*this, "TimerRad", 50, false};

    // Handlers
    void FormCreate() override;
    void FormActivate() override;
    void FormClose() override;
    void PaintBoxHauptPaint();
    void TimerRadTimer();
    void start1Click();
    void Stopp1Click();

    // State
    int DiscCX = 0, DiscCY = 0;
    int DiscRX = 0, DiscRY = 0;
    int DiscPhase = 0;
    int SpokeCount = 36;
    int SpokeStep = 10;
    frame::SpokeTable Spokes;

    const TurntableSpec& machine() const { return spec_; }

private:
    frame::Wheel wheel() const { return {DiscCX, DiscCY, DiscRX, DiscRY}; }
    void stopAndReset();

    const TurntableSpec& spec_;
};

}  // namespace chapters
