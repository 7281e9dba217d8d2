#include "chapters/lm/FormPPol.h"

namespace chapters {

namespace {
const frame::FrameSpec kFrame{
    TFormPPol::kClassName,
    "Präparationsschritt: Polieren",
    frame::kDesign96,
    0x0080FFFF /* R 255, G 255, B 128 */,
    "StatusBarHilfe"};
}  // namespace

TFormPPol::TFormPPol(ui::Application& app) : TopicForm(app, kFrame) {
    font.height = -10;
}

void TFormPPol::FormCreate() { placeBy(frame::Pattern::PreparationStep); }

}  // namespace chapters
