#include "chapters/lm/FormLMSchema.h"

namespace chapters {

namespace {
const frame::FrameSpec kFrame{
    TFormLMSchema::kClassName,
    "Lichtmikroskopie: Schema des Strahlengangs in einem Auflichtmikroskop",
    frame::kDesign96,
    ui::clNavy,
    "StatusBar1",
    "Ende",
    "&Ende",
    "ESC"};
}  // namespace

TFormLMSchema::TFormLMSchema(ui::Application& app) : TopicForm(app, kFrame) {
    font.height = -11;
}

void TFormLMSchema::FormCreate() { placeBy(frame::Pattern::UpTo1024Inclusive); }

}  // namespace chapters
