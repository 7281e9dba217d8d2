#include "chapters/macro/FormMakroCr1.h"

namespace chapters {

namespace {
const frame::FrameSpec kFrame{
    .className = TFormMakroCr1::kClassName,
    .caption = "Belag auf einem ferritischen Chromstahl",
    .designPPI = frame::kDesign120,
    .color = 0x0080FFFF /* R 255, G 255, B 128 */,
    .menu = {frame::closeItem("Ende"), frame::escItem("ESC")},
    .placement = frame::Pattern::UpTo1024Exclusive,
};
}  // namespace

TFormMakroCr1::TFormMakroCr1(ui::Application& app) : TopicForm(app, kFrame) {}

}  // namespace chapters
