#include "chapters/lm/FormLMEinrichtungen.h"

namespace chapters {

namespace {
const frame::FrameSpec kFrame{
    .className = TFormLMEinrichtungen::kClassName,
    .caption = "Lichtmikroskopie: Einrichtungen",
    .designPPI = frame::kDesign120,
    .color = 0x0080FFFF /* R 255, G 255, B 128 */,
    .menu = {frame::closeItem("Ende"), frame::escItem("ESC")},
    .placement = frame::Pattern::UpTo1024Exclusive,
};
}  // namespace

TFormLMEinrichtungen::TFormLMEinrichtungen(ui::Application& app) : TopicForm(app, kFrame) {}

}  // namespace chapters
