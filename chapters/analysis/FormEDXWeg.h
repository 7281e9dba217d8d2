// TFormEDXWeg: the signal path of an energy-dispersive X-ray spectrometer. Bubbles rise
// in the dewar of liquid nitrogen all the time; on demand the beam runs down to the
// sample, a flashing wavy X-ray runs to the detector, the cables light up and the lines
// of iron and chromium grow on the monitor.
#pragma once

#include <array>

#include "frame/TopicForm.h"
#include "ui/Controls.h"
#include "ui/Timer.h"

namespace chapters {

class TFormEDXWeg : public frame::TopicForm {
public:
    static constexpr const char* kClassName = "TFormEDXWeg";
    static constexpr int kBubbleRows = 3;
    static constexpr int kSpectrumLines = 27;
    static constexpr int kSpectrumLabelCount = 6;
    // The true energies of iron's K lines, where they stand on the monitor's axis.
    static constexpr double kFeKalphaKeV = 6.40;
    static constexpr double kFeKbetaKeV = 7.06;
    explicit TFormEDXWeg(ui::Application& app);

    // Layout
    ui::PaintBox PaintBoxHaupt{*this, "PaintBoxHaupt"};
    ui::PaintBox PaintBoxN{*this, "PaintBoxN"};  // the inside of the dewar
    ui::MenuItem& Start1 = item("Start1");
    ui::MenuItem& NeuZeichnen1 = item("NeuZeichnen1");
    ui::Timer TimerStrahl{*this, "TimerStrahl", 50, false};
    ui::Timer TimerN1{*this, "TimerN1", 50, true};
    ui::Timer TimerN2{*this, "TimerN2", 50, false};
    ui::Timer TimerN3{*this, "TimerN3", 50, false};
    ui::Timer TimerQuRed{*this, "TimerQuRed", 100, false};
    ui::Timer TimerQuYell{*this, "TimerQuYell", 100, false};

    // Handlers
    void FormCreate() override;
    void FormClose() override;
    void PaintBoxHauptPaint();
    void PaintBoxNPaint();
    void TimerN1Timer();
    void TimerN2Timer();
    void TimerN3Timer();
    void TimerStrahlTimer();
    void TimerQuRedTimer();
    void TimerQuYellTimer();
    void Start1Click();
    void NeuZeichnen1Click();

    // State (pixels): the lower end of the beam, the three bubble rows (pixels of the
    // dewar box), and the height of each spectrum line as a negative offset.
    int beamY = 0;
    std::array<int, kBubbleRows> bubbleX{10, 10, 10};
    std::array<int, kBubbleRows> bubbleY{170, 170, 170};
    std::array<int, kSpectrumLines> spectrumHeight{};

    // The height the main iron K-alpha line grows to.
    int spectrumGoal() const;
    // The design x of an energy on the monitor's drawn axis (0 ... 8 keV).
    double energyX(double keV) const;
    // The design x of each spectrum line and label (iron's at their energies; set when
    // the window is created).
    std::array<double, kSpectrumLines> spectrumX{};
    std::array<double, kSpectrumLabelCount> spectrumLabelX{};

private:
    void riseBubbles(int row, ui::Timer* next);
    void wave();
    void resetState();
};

}  // namespace chapters
