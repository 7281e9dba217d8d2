#include "chapters/rem/FormREMSEEin.h"

namespace chapters {

namespace {
const frame::FrameSpec kFrame{
    .className = TFormREMSEEin::kClassName,
    .caption = "Rasterelektronenmikroskopie: Sekundärelektronendetektor",
    .color = 0x00FE2101 /* R 1, G 33, B 254 */,
    .menu = {frame::closeItem("Ende"), frame::escItem("ESC")},
    .placement = frame::Pattern::UpTo1024Inclusive,
};
}  // namespace

TFormREMSEEin::TFormREMSEEin(ui::Application& app) : TopicForm(app, kFrame) {}

}  // namespace chapters
