#include "chapters/lm/FormPTrennen.h"

namespace chapters {

namespace {
const frame::FrameSpec kFrame{
    .className = TFormPTrennen::kClassName,
    .caption = "Präparationsschritt: Trennen",
    .color = 0x0080FFFF /* R 255, G 255, B 128 */,
    .statusBar = "StatusBarHilfe",
    .placement = frame::Pattern::PreparationStep,
};
}  // namespace

TFormPTrennen::TFormPTrennen(ui::Application& app) : TopicForm(app, kFrame) {
    font.height = -10;
}

}  // namespace chapters
