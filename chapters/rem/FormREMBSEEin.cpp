#include "chapters/rem/FormREMBSEEin.h"

namespace chapters {

namespace {
const frame::FrameSpec kFrame{
    .className = TFormREMBSEEin::kClassName,
    .caption = "Rasterelektronenmikroskopie: Rückstreuelektronendetektor",
    .color = 0x00FE2101 /* R 1, G 33, B 254 */,
    .menu = {frame::closeItem("Ende"), frame::escItem("ESC")},
    .placement = frame::Pattern::UpTo1024Inclusive,
};
}  // namespace

TFormREMBSEEin::TFormREMBSEEin(ui::Application& app) : TopicForm(app, kFrame) {}

}  // namespace chapters
