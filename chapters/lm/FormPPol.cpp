#include "chapters/lm/FormPPol.h"

namespace chapters {

namespace {
const frame::FrameSpec kFrame{
    .className = TFormPPol::kClassName,
    .caption = "Präparationsschritt: Polieren",
    .color = 0x0080FFFF /* R 255, G 255, B 128 */,
    .statusBar = "StatusBarHilfe",
    .placement = frame::Pattern::PreparationStep,
};
}  // namespace

TFormPPol::TFormPPol(ui::Application& app) : TopicForm(app, kFrame) {
    font.height = -10;
}

}  // namespace chapters
