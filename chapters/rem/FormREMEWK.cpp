#include "chapters/rem/FormREMEWK.h"

namespace chapters {

namespace {
const frame::FrameSpec kFrame{
    .className = TFormREMEWK::kClassName,
    .caption = "Wechselwirkungen zwischen dem Elektronenstrahl und der Materie",
    .color = ui::clBlue,
    .border = ui::BorderStyle::SizeToolWin,
    .statusBar = "StatusBarHilfe",
    .menu = {frame::closeItem("Ende1"), {"BSE1", "&Rückstreuelektronen"}, {"SE1", "&Sekundärelektronen"},
             frame::escItem("ESC1"), {"NeuZeichnen1", "&Neu Zeichnen"}},
    .placement = frame::Pattern::SmallSideWindow,
};
const BeamMatterForm::Layout kLayout{
    .atomX = 450,
    .surfaceTextX = 30,
    .backscatterLabelX = 40,
    .secondaryLabelX = 100,
};
}  // namespace

TFormREMEWK::TFormREMEWK(ui::Application& app) : BeamMatterForm(app, kFrame, kLayout) {}

}  // namespace chapters
