#include "chapters/lm/FormLMEin2.h"

namespace chapters {

namespace {
const frame::FrameSpec kFrame{
    .className = TFormLMEin2::kClassName,
    .caption = "Lichtmikroskopie: Grenzen der Lichtmikroskopie",
    .color = 0x00FA0555 /* R 85, G 5, B 250 */,
    .menu = {frame::closeItem("Ende"), frame::escItem("ESC")},
    .placement = frame::Pattern::UpTo1024Inclusive,
};
}  // namespace

TFormLMEin2::TFormLMEin2(ui::Application& app) : TopicForm(app, kFrame) {}

}  // namespace chapters
