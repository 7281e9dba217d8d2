#include "chapters/analysis/FormREMEDX.h"

namespace chapters {

namespace {
const frame::FrameSpec kFrame{
    .className = TFormREMEDX::kClassName,
    .caption = "EDX-Analyse",
    .designPPI = frame::kDesign120,
    .color = 0x00FB0058 /* R 88, G 0, B 251 */,
    .placement = frame::Pattern::UpTo1024Inclusive,
};
}  // namespace

TFormREMEDX::TFormREMEDX(ui::Application& app) : TopicForm(app, kFrame) {
    font.height = -14;
}

}  // namespace chapters
