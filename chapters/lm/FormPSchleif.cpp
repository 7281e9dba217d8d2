#include "chapters/lm/FormPSchleif.h"

namespace chapters {

namespace {
const frame::FrameSpec kFrame{
    .className = TFormPSchleif::kClassName,
    .caption = "Präparationsschritt: Schleifen",
    .color = 0x0080FFFF /* R 255, G 255, B 128 */,
    .statusBar = "StatusBarHilfe",
    .placement = frame::Pattern::PreparationStep,
};
}  // namespace

TFormPSchleif::TFormPSchleif(ui::Application& app) : TopicForm(app, kFrame) {
    font.height = -10;
}

}  // namespace chapters
