// X-ray energy against atomic number (Moseley's law): a diagram on which the menu draws
// the line series K(Alpha), K(Beta), L(Alpha) and L(Beta) as rising curves, each grown by
// its own timer, and marks the atomic numbers of six elements with vertical lines.
#pragma once

#include <array>

#include "frame/TopicForm.h"
#include "ui/Controls.h"
#include "ui/Timer.h"

namespace chapters {

class TFormEDXOrd : public frame::TopicForm {
public:
    static constexpr const char* kClassName = "TFormEDXOrd";
    explicit TFormEDXOrd(ui::Application& app);

    enum Curve { Ka, Kb, La, Lb, kCurves };
    enum Element { Ni, Fe, Cr, Ti, Al, C, kElements };
    // The design x of the line that marks atomic number z on the Z axis (0 at x 50,
    // 100 at x 350).
    static constexpr double elementLineX(int z) { return 50 + 3 * z; }

    // Layout
    ui::PaintBox PaintBoxHaupt{*this, "PaintBoxHaupt"};
    ui::MenuItem& KALPHA = item("KALPHA");
    ui::MenuItem& KBETA = item("KBETA");
    ui::MenuItem& LALPHA1 = item("LALPHA1");
    ui::MenuItem& LBETA1 = item("LBETA1");
    ui::MenuItem& Nickel1 = item("Nickel1");
    ui::MenuItem& Eisen1 = item("Eisen1");
    ui::MenuItem& Chrom1 = item("Chrom1");
    ui::MenuItem& Titan1 = item("Titan1");
    ui::MenuItem& Aluminium1 = item("Aluminium1");
    ui::MenuItem& Kohlenstoff1 = item("Kohlenstoff1");
    ui::MenuItem& NeuZeichnen1 = item("NeuZeichnen1");
    ui::Timer TimerKa{*this, "TimerKa", 50, false};
    ui::Timer TimerKb{*this, "TimerKb", 50, false};
    ui::Timer TimerLa{*this, "TimerLa", 50, false};
    ui::Timer TimerLb{*this, "TimerLb", 50, false};

    // Handlers
    void FormCreate() override;
    void FormPaint() override;
    void FormClose() override;
    void PaintBoxHauptPaint();
    void TimerKaTimer() { curveTick(Ka); }
    void TimerKbTimer() { curveTick(Kb); }
    void TimerLaTimer() { curveTick(La); }
    void TimerLbTimer() { curveTick(Lb); }
    void CurveClick(Curve k);
    void ElementClick(Element e);
    void NeuZeichnen1Click();

    // State
    std::array<bool, kElements> elementShown{};
    bool curvesShown = false;
    struct CurvePen {
        int curveX = 0;
        int curveY = 0;
    };
    std::array<CurvePen, kCurves> curves{};

    ui::Timer& timer(Curve k);

private:
    void curveTick(Curve k);
};

}  // namespace chapters
