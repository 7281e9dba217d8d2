#include "chapters/rem/FormREMEin.h"

namespace chapters {

namespace {
const frame::FrameSpec kFrame{
    .className = TFormREMEin::kClassName,
    .caption = "Rasterelektronenmikroskopie: Einleitung",
    .color = 0x00FE2101 /* R 1, G 33, B 254 */,
    .menu = {frame::closeItem("Ende"), frame::escItem("ESC")},
    .placement = frame::Pattern::UpTo1024Inclusive,
};
}  // namespace

TFormREMEin::TFormREMEin(ui::Application& app) : TopicForm(app, kFrame) {}

}  // namespace chapters
