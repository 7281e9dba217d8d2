#include "chapters/lm/FormPEin.h"

namespace chapters {

namespace {
const frame::FrameSpec kFrame{
    TFormPEin::kClassName,
    "Präparationsschritt: Einfassen",
    frame::kDesign96,
    0x0080FFFF /* R 255, G 255, B 128 */,
    nullptr};
}  // namespace

TFormPEin::TFormPEin(ui::Application& app) : TopicForm(app, kFrame) {
    font.height = -11;
}

void TFormPEin::FormCreate() { placeBy(frame::Pattern::PreparationStep); }

}  // namespace chapters
