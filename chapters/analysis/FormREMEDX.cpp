#include "chapters/analysis/FormREMEDX.h"

namespace chapters {

namespace {
const frame::FrameSpec kFrame{
    TFormREMEDX::kClassName,
    "EDX-Analyse",
    frame::kDesign120,
    0x00FB0058 /* R 88, G 0, B 251 */};
}  // namespace

TFormREMEDX::TFormREMEDX(ui::Application& app) : TopicForm(app, kFrame) {
    font.height = -14;
}

void TFormREMEDX::FormCreate() { placeBy(frame::Pattern::UpTo1024Inclusive); }

}  // namespace chapters
