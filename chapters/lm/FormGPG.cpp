#include "chapters/lm/FormGPG.h"

namespace chapters {

namespace {
const frame::FrameSpec kFrame{
    TFormGPG::kClassName,
    "Lichtmikroskopie: Gefügeeinstellung und Eigenschaften durch die Herstellungsbedingungen",
    frame::kDesign96,
    ui::clBlue};
}  // namespace

TFormGPG::TFormGPG(ui::Application& app) : TopicForm(app, kFrame) {
    font.height = -13;
}

void TFormGPG::FormCreate() { placeBy(frame::Pattern::UpTo1024Exclusive); }

}  // namespace chapters
