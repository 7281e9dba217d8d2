#include "chapters/lm/FormGPG.h"

namespace chapters {

namespace {
const frame::FrameSpec kFrame{
    .className = TFormGPG::kClassName,
    .caption = "Lichtmikroskopie: Gefügeeinstellung und Eigenschaften durch die Herstellungsbedingungen",
    .color = ui::clBlue,
    .placement = frame::Pattern::UpTo1024Exclusive,
};
}  // namespace

TFormGPG::TFormGPG(ui::Application& app) : TopicForm(app, kFrame) {
    font.height = -13;
}

}  // namespace chapters
