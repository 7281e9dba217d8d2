// Beam-matter interaction on one atom of the sample: the vacuum above, the material
// below its surface, the atom with its K, L and M shells and thirteen electrons, and the
// runs the menu starts, each a trail of dots drawn by its own timer that ends in a label.
// The full page (TFormREMEW) and its small copy beside the detector windows (TFormREMEWK)
// share everything here; they differ only in the few values of their Layout, and the full
// page adds the X-ray run.
#pragma once

#include <array>

#include "frame/TopicForm.h"
#include "ui/Controls.h"
#include "ui/Timer.h"

namespace chapters {

class BeamMatterForm : public frame::TopicForm {
public:
    // What tells the two windows apart (x values in design units).
    struct Layout {
        double atomX;           // centre of the atom
        int surfaceTextX;       // "Materialoberfläche", from the atom centre
        int backscatterLabelX;  // the end label of the backscattered electron
        int secondaryLabelX;    // the end label of the secondary electron
    };

    static constexpr int kOrbits = 5;      // 1s, 2s, 2p, 3s, 3p
    static constexpr int kElectrons = 13;

    BeamMatterForm(ui::Application& app, const frame::FrameSpec& frame, const Layout& layout);

    // Layout
    ui::PaintBox PaintBoxHaupt{*this, "PaintBoxHaupt"};
    ui::MenuItem& BSE1 = item("BSE1");
    ui::MenuItem& SE1 = item("SE1");
    ui::MenuItem& NeuZeichnen1 = item("NeuZeichnen1");
    ui::Timer Timer2{*this, "Timer2", 50, false};
    ui::Timer Timer3{*this, "Timer3", 50, false};

    // Handlers
    void FormActivate() override;
    void FormClose() override;
    void PaintBoxHauptPaint();
    void Timer2Timer();
    void Timer3Timer();
    void BSE1Click();
    void SE1Click();
    void NeuZeichnen1Click();

    // Geometry, set by the activate handler from the layout scale.
    int atomX = 0;
    int atomY = 0;
    std::array<int, kOrbits> orbitRadiusX{};
    std::array<int, kOrbits> orbitRadiusY{};
    int electronRadius = 0;
    int dotRadius = 0;
    ui::TColor zoneColourM = 0;
    ui::TColor zoneColourL = 0;
    ui::TColor zoneColourK = 0;
    std::array<double, kElectrons> electronAngle{};  // degrees, counter-clockwise from the right

    // Run state (pixels), set only by the start items.
    int bseX = 0, bseY = 0;
    int seX = 0, seY = 0;

protected:
    // What every tick does first: the red funnel with the beam text, then the blue brush
    // for the trail dots. The pen colour stays whatever drew last.
    void tickStart();
    // A trail dot in the current brush.
    void dot(int x, int y);
    // The part of "&Neu Zeichnen" and closing that differs between the windows.
    virtual void stopRuns();
    virtual void enableStartItems();

private:
    Layout layout_;
};

}  // namespace chapters
