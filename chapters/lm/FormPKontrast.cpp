#include "chapters/lm/FormPKontrast.h"

namespace chapters {

namespace {
const frame::FrameSpec kFrame{
    TFormPKontrast::kClassName,
    "Präparationsschritt: Kontrastierung",
    frame::kDesign120,
    0x0080FFFF /* R 255, G 255, B 128 */,
    nullptr};
}  // namespace

TFormPKontrast::TFormPKontrast(ui::Application& app) : TopicForm(app, kFrame) {
    font.height = -11;
}

void TFormPKontrast::FormCreate() { placeBy(frame::Pattern::PreparationStep); }

}  // namespace chapters
