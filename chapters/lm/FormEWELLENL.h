// Wavelength ranges: a chart on a logarithmic wavelength axis from 10^-6 m to 10^-12 m
// with the visible band of light microscopy as a rainbow strip, the ranges of X-ray
// spectral analysis and diffraction as brackets, and bars for gamma rays and X-rays.
// The chart is computed from the window's outer size. A static page.
#pragma once

#include "frame/TopicForm.h"
#include "ui/Controls.h"

namespace chapters {

class TFormEWELLENL : public frame::TopicForm {
public:
    static constexpr const char* kClassName = "TFormEWELLENL";
    explicit TFormEWELLENL(ui::Application& app);

    // Layout
    ui::PaintBox PaintBoxHaupt{*this, "PaintBoxHaupt"};

    // Handlers
    void FormCreate() override;
    void FormPaint() override;
    void PaintBoxHauptPaint();

    // The chart's geometry in paint-box pixels, from the window's outer size.
    struct Chart {
        int cx, cy;       // centre
        int x[8];         // decade marks x[1] .. x[7] for 10^-6 .. 10^-12 m (x[0] unused)
        int top, bottom;  // chart area
        int left, right;
        int bandLeft;     // first line of the visible band (51 lines)
    };
    Chart chart() const;
};

}  // namespace chapters
