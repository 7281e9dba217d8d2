// The K-L-M line spectrum: an atom with four dotted shells; for each of the lines
// K(Gamma), K(Beta), K(Alpha), L(Alpha), L(Beta) and M(Alpha) an electron falls from a
// higher shell to a lower one while an X-ray quantum rises as a wavy line, and on its
// arrival the track, an arrow head, the line's name and an explanation appear.
#pragma once

#include <array>

#include "frame/TopicForm.h"
#include "ui/Controls.h"
#include "ui/Timer.h"

namespace chapters {

class TFormREMCHA2 : public frame::TopicForm {
public:
    static constexpr const char* kClassName = "TFormREMCHA2";
    explicit TFormREMCHA2(ui::Application& app);

    // The lines in the order of their records.
    enum Line { Kg, Kb, Ka, La, Lb, Ma, kLines };

    // Layout
    ui::PaintBox PaintBoxHaupt{*this, "PaintBoxHaupt"};
    ui::MenuItem& KLinien1 = item("KLinien1");
    ui::MenuItem& KAlpha = item("KAlpha");
    ui::MenuItem& KBeta = item("KBeta");
    ui::MenuItem& KGamma = item("KGamma");
    ui::MenuItem& LLinien1 = item("LLinien1");
    ui::MenuItem& LAlpha = item("LAlpha");
    ui::MenuItem& LBeta = item("LBeta");
    ui::MenuItem& MAlpha = item("MAlpha");
    ui::MenuItem& Neu = item("Neu");
    ui::Timer TimerKg{*this, "TimerKg", 50, false};
    ui::Timer TimerKb{*this, "TimerKb", 50, false};
    ui::Timer TimerKa{*this, "TimerKa", 50, false};
    ui::Timer TimerLa{*this, "TimerLa", 50, false};
    ui::Timer TimerLb{*this, "TimerLb", 50, false};
    ui::Timer TimerMa{*this, "TimerMa", 50, false};

    // Handlers
    void FormCreate() override;
    void FormPaint() override;
    void FormClose() override;
    void TimerKgTimer() { lineTick(Kg); }
    void TimerKbTimer() { lineTick(Kb); }
    void TimerKaTimer() { lineTick(Ka); }
    void TimerLaTimer() { lineTick(La); }
    void TimerLbTimer() { lineTick(Lb); }
    void TimerMaTimer() { lineTick(Ma); }
    void KLinien1Click();
    void KAlphaClick();
    void KBetaClick();
    void KGammaClick();
    void LLinien1Click();
    void LAlphaClick();
    void LBetaClick();
    void MAlphaClick();
    void NeuClick();

    // The atom centre, fixed by the create handler.
    int centreX = 0;
    int centreY = 0;

    // One line: the falling electron's centre, its track and its wave.
    struct LineRecord {
        ui::Point electron;
        ui::Point from;
        ui::Point to;
        int waveTravel = 0;
        int waveWiggle = 0;  // survives every repaint and run
    };
    std::array<LineRecord, kLines> lines{};

    ui::Timer& timer(Line l);

private:
    bool moves(Line l) const;
    void step(Line l);
    bool ended(Line l) const;
    ui::Point wavePoint(Line l) const;
    void drawEnd(Line l);
    void lineTick(Line l);
    void startLine(Line l, ui::MenuItem& own, ui::MenuItem& group);
    void rearm();
};

}  // namespace chapters
