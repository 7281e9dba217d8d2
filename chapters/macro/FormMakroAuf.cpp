#include "chapters/macro/FormMakroAuf.h"

namespace chapters {

namespace {
const frame::FrameSpec kFrame{
    .className = TFormMakroAuf::kClassName,
    .caption = "Makroskopie: Makroskopische Betrachtung und  Aufnahmen mittels Stereomikroskop",
    .color = ui::clBlue,
    .menu = {frame::closeItem("Ende"), frame::escItem("ESC")},
    .placement = frame::Pattern::UpTo1024Inclusive,
};
}  // namespace

TFormMakroAuf::TFormMakroAuf(ui::Application& app) : TopicForm(app, kFrame) {}

}  // namespace chapters
