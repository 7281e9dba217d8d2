#include "chapters/lm/FormLM45C1.h"

namespace chapters {

namespace {
const frame::FrameSpec kFrame{
    .className = TFormLM45C1::kClassName,
    .caption = "Unlegierter Vergütungsstahl CK 45",
    .designPPI = frame::kDesign120,
    .color = 0x0080FFFF /* R 255, G 255, B 128 */,
    .menu = {frame::closeItem("Ende", "Ende"), frame::escItem("ESC")},
    .placement = frame::Pattern::UpTo1024Exclusive,
};
}  // namespace

TFormLM45C1::TFormLM45C1(ui::Application& app) : TopicForm(app, kFrame) {}

}  // namespace chapters
