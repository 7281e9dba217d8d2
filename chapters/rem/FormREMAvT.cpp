#include "chapters/rem/FormREMAvT.h"

namespace chapters {

namespace {
const frame::FrameSpec kFrame{
    TFormREMAvT::kClassName,
    "Charakteristische Bruchflächen von Stählen mit dem SE-Detektor",
    frame::kDesign120,
    0x00E30257 /* R 87, G 2, B 227 */};
}  // namespace

TFormREMAvT::TFormREMAvT(ui::Application& app) : TopicForm(app, kFrame) {}

void TFormREMAvT::FormCreate() { placeBy(frame::Pattern::UpTo1024Inclusive); }

}  // namespace chapters
