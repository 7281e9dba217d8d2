#include "chapters/lm/FormPSchleif.h"

namespace chapters {

namespace {
const frame::FrameSpec kFrame{
    TFormPSchleif::kClassName,
    "Präparationsschritt: Schleifen",
    frame::kDesign96,
    0x0080FFFF /* R 255, G 255, B 128 */,
    "StatusBarHilfe"};
}  // namespace

TFormPSchleif::TFormPSchleif(ui::Application& app) : TopicForm(app, kFrame) {
    font.height = -10;
}

void TFormPSchleif::FormCreate() { placeBy(frame::Pattern::PreparationStep); }

}  // namespace chapters
