#include "chapters/lm/FormPPSchritte.h"

namespace chapters {

namespace {
const frame::FrameSpec kFrame{
    .className = TFormPPSchritte::kClassName,
    .caption = "Lichtmikroskopie: Präparationsschritte zur Herstellung eines metallographischen Schliffes",
    .color = ui::clBlue,
    .placement = frame::Pattern::UpTo1024Exclusive,
};
}  // namespace

TFormPPSchritte::TFormPPSchritte(ui::Application& app) : TopicForm(app, kFrame) {
    font.height = -13;
}

}  // namespace chapters
