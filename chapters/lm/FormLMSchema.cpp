#include "chapters/lm/FormLMSchema.h"

namespace chapters {

namespace {
const frame::FrameSpec kFrame{
    .className = TFormLMSchema::kClassName,
    .caption = "Lichtmikroskopie: Schema des Strahlengangs in einem Auflichtmikroskop",
    .color = ui::clNavy,
    .menu = {frame::closeItem("Ende"), frame::escItem("ESC")},
    .placement = frame::Pattern::UpTo1024Inclusive,
};
}  // namespace

TFormLMSchema::TFormLMSchema(ui::Application& app) : TopicForm(app, kFrame) {
    font.height = -11;
}

}  // namespace chapters
