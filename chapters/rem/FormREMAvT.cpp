#include "chapters/rem/FormREMAvT.h"

namespace chapters {

namespace {
const frame::FrameSpec kFrame{
    .className = TFormREMAvT::kClassName,
    .caption = "Charakteristische Bruchflächen von Stählen mit dem SE-Detektor",
    .designPPI = frame::kDesign120,
    .color = 0x00E30257 /* R 87, G 2, B 227 */,
    .placement = frame::Pattern::UpTo1024Inclusive,
};
}  // namespace

TFormREMAvT::TFormREMAvT(ui::Application& app) : TopicForm(app, kFrame) {}

}  // namespace chapters
