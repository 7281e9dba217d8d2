#include "chapters/lm/FormPTrennen.h"

namespace chapters {

namespace {
const frame::FrameSpec kFrame{
    TFormPTrennen::kClassName,
    "Präparationsschritt: Trennen",
    frame::kDesign96,
    0x0080FFFF /* R 255, G 255, B 128 */,
    "StatusBarHilfe"};
}  // namespace

TFormPTrennen::TFormPTrennen(ui::Application& app) : TopicForm(app, kFrame) {
    font.height = -10;
}

void TFormPTrennen::FormCreate() { placeBy(frame::Pattern::PreparationStep); }

}  // namespace chapters
