// TFormREMEDX: a scanning-electron photograph of pearlitic grey cast iron with lamellar
// graphite and three small EDX spectra below it (whole picture, graphite, pearlite),
// each grown line by line on demand while the window takes no input.
#pragma once

#include <array>

#include "frame/Photo.h"
#include "frame/TopicForm.h"
#include "ui/Controls.h"
#include "ui/Timer.h"

namespace chapters {

class TFormREMEDX : public frame::TopicForm {
public:
    static constexpr const char* kClassName = "TFormREMEDX";
    // the cast-iron micrograph
    static constexpr frame::PhotoSpec kPhotos[] = {
        {"TFormREMEDX.jpg", 600, 333},
    };
    // Sixteen spectrum lines in four groups: iron K-alpha (0-4), iron L (5-9), iron
    // K-beta (10-12), carbon (13-15).
    static constexpr int kLines = 16;
    static constexpr int kBaseline = 510;
    // The "5 µm" bar in pixels, as long as at 800x600 on every screen (the photograph is
    // always shown at its own size).
    static constexpr int kScaleBarPixels = 100;
    explicit TFormREMEDX(ui::Application& app);

    // Layout (the photograph lies above the paint box)
    ui::PaintBox PaintBoxHaupt{*this, "PaintBoxHaupt"};
    ui::Image ImageBild{*this, "ImageBild"};
    ui::MenuItem& SpektrumGesamtbild1 = item("SpektrumGesamtbild1");
    ui::MenuItem& SpektrumGraphit1 = item("SpektrumGraphit1");
    ui::MenuItem& SpektrumPerlit1 = item("SpektrumPerlit1");
    ui::MenuItem& Neu1 = item("Neu1");
    ui::Timer TimerBild{*this, "TimerBild", 100, false};
    ui::Timer TimerGraphit{*this, "TimerGraphit", 100, false};
    ui::Timer TimerPerlit{*this, "TimerPerlit", 100, false};

    // Handlers
    void FormCreate() override;
    void FormClose() override;
    void PaintBoxHauptPaint();
    void TimerBildTimer();
    void TimerGraphitTimer();
    void TimerPerlitTimer();
    void SpektrumGesamtbild1Click();
    void SpektrumGraphit1Click();
    void SpektrumPerlit1Click();
    void Neu1Click();

    // State: x and current top of each spectrum line (design units).
    std::array<int, kLines> spectrumX{};
    std::array<int, kLines> spectrumTop{};

private:
    void setLines(int panelOffset);
    void startSpectrum(ui::MenuItem& item, int panelOffset, ui::Timer& timer);
    void growLines(const std::array<int, kLines>& steps);
    void labelFont();
    void finishSpectrum(ui::Timer& timer);
};

}  // namespace chapters
