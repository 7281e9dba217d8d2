#include "chapters/lm/FormPPSchritte.h"

namespace chapters {

namespace {
const frame::FrameSpec kFrame{
    TFormPPSchritte::kClassName,
    "Lichtmikroskopie: Präparationsschritte zur Herstellung eines metallographischen Schliffes",
    frame::kDesign96,
    ui::clBlue};
}  // namespace

TFormPPSchritte::TFormPPSchritte(ui::Application& app) : TopicForm(app, kFrame) {
    font.height = -13;
}

void TFormPPSchritte::FormCreate() { placeBy(frame::Pattern::UpTo1024Exclusive); }

}  // namespace chapters
