#include "chapters/rem/FormREMEW.h"

namespace chapters {

namespace {
const frame::FrameSpec kFrame{
    .className = TFormREMEW::kClassName,
    .caption = "Wechselwirkungen zwischen dem Elektronenstrahl und der Materie",
    .color = ui::clBlue,
    .border = ui::BorderStyle::SizeToolWin,
    .statusBar = "StatusBarHilfe",
    .menu = {frame::closeItem("Ende1"), {"BSE1", "&Rückstreuelektronen"}, {"SE1", "&Sekundärelektronen"},
             {"RQ1", "R&öntgenquant"}, frame::escItem("ESC1"), {"NeuZeichnen1", "&Neu Zeichnen"}},
    .placement = frame::Pattern::UpTo1024Exclusive,
};
const BeamMatterForm::Layout kLayout{
    .atomX = 550,
    .surfaceTextX = 130,
    .backscatterLabelX = 140,
    .secondaryLabelX = 240,
};
constexpr ui::TColor kQuantum = 0x0000FF;
}  // namespace

TFormREMEW::TFormREMEW(ui::Application& app) : BeamMatterForm(app, kFrame, kLayout) {
    RQ1.OnClick = [this] { RQ1Click(); };
    Timer4.OnTimer = [this] { Timer4Timer(); };
}

// An electron of the L shell falls in towards the K shell; the quantum rises from where
// it started and leaves a short red bar.
void TFormREMEW::Timer4Timer() {
    tickStart();
    ui::Canvas& c = PaintBoxHaupt.canvas;
    if (fallY < atomY + Y(-25)) {  // a blue dot, in the brush of the tick's start
        dot(fallX, fallY);
        fallY += 4;
        fallX += 10;
    }
    if (fallY >= atomY + Y(-25)) {
        c.brush.setColor(kQuantum);
        c.Ellipse(quantX - dotRadius, quantY - 2 * dotRadius, quantX + dotRadius, quantY + 2 * dotRadius);
        quantY -= 2;
    }
    if (quantY < atomY + Y(-70)) {
        c.font.height = Y(18);
        c.TextOut(X(450), Y(210), " Röntgenquant ");
        Timer4.setEnabled(false);
    }
}

void TFormREMEW::RQ1Click() {
    Timer4.setEnabled(true);
    RQ1.setEnabled(false);
    fallX = atomX + X(-80);
    fallY = atomY + Y(-40);
    quantX = atomX + X(-60);
    quantY = atomY + Y(-40);
}

void TFormREMEW::stopRuns() {
    BeamMatterForm::stopRuns();
    Timer4.setEnabled(false);
}

void TFormREMEW::enableStartItems() {
    BeamMatterForm::enableStartItems();
    RQ1.setEnabled(true);
}

}  // namespace chapters
