#include "chapters/lm/FormPEin.h"

namespace chapters {

namespace {
const frame::FrameSpec kFrame{
    .className = TFormPEin::kClassName,
    .caption = "Präparationsschritt: Einfassen",
    .color = 0x0080FFFF /* R 255, G 255, B 128 */,
    .statusBar = nullptr,
    .placement = frame::Pattern::PreparationStep,
};
}  // namespace

TFormPEin::TFormPEin(ui::Application& app) : TopicForm(app, kFrame) {
    font.height = -11;
}

}  // namespace chapters
