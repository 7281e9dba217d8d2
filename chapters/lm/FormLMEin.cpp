#include "chapters/lm/FormLMEin.h"

namespace chapters {

namespace {
const frame::FrameSpec kFrame{
    .className = TFormLMEin::kClassName,
    .caption = "Lichtmikroskopie: Möglichkeiten und Probenpräparation",
    .color = 0x00FA0555 /* R 85, G 5, B 250 */,
    .menu = {frame::closeItem("Ende"), frame::escItem("ESC")},
    .placement = frame::Pattern::UpTo1024Inclusive,
};
}  // namespace

TFormLMEin::TFormLMEin(ui::Application& app) : TopicForm(app, kFrame) {}

}  // namespace chapters
