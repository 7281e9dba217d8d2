#include "chapters/lm/FormPKontrast.h"

namespace chapters {

namespace {
const frame::FrameSpec kFrame{
    .className = TFormPKontrast::kClassName,
    .caption = "Präparationsschritt: Kontrastierung",
    .designPPI = frame::kDesign120,
    .color = 0x0080FFFF /* R 255, G 255, B 128 */,
    .statusBar = nullptr,
    .placement = frame::Pattern::PreparationStep,
};
}  // namespace

TFormPKontrast::TFormPKontrast(ui::Application& app) : TopicForm(app, kFrame) {
    font.height = -11;
}

}  // namespace chapters
