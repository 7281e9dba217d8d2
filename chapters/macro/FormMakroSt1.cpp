#include "chapters/macro/FormMakroSt1.h"

namespace chapters {

namespace {
const frame::FrameSpec kFrame{
    .className = TFormMakroSt1::kClassName,
    .caption = "Korrosion an einem unlegierten Stahl",
    .designPPI = frame::kDesign120,
    .color = 0x0080FFFF /* R 255, G 255, B 128 */,
    .menu = {frame::closeItem("Ende", "Ende"), frame::escItem("ESC")},
    .placement = frame::Pattern::UpTo1024Exclusive,
};
}  // namespace

TFormMakroSt1::TFormMakroSt1(ui::Application& app) : TopicForm(app, kFrame) {}

}  // namespace chapters
