#include "chapters/macro/FormMakroEin.h"

namespace chapters {

namespace {
const frame::FrameSpec kFrame{
    .className = TFormMakroEin::kClassName,
    .caption = "Makroskopie: Einleitung",
    .color = 0x00FA0555 /* R 85, G 5, B 250 */,
    .menu = {frame::closeItem("Ende"), frame::escItem("ESC")},
    .placement = frame::Pattern::UpTo1024Inclusive,
};
}  // namespace

TFormMakroEin::TFormMakroEin(ui::Application& app) : TopicForm(app, kFrame) {}

}  // namespace chapters
