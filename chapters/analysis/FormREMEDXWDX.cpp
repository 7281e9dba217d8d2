#include "chapters/analysis/FormREMEDXWDX.h"

namespace chapters {

namespace {
const frame::FrameSpec kFrame{
    .className = TFormREMEDXWDX::kClassName,
    .caption = "Mikrobereichsanalyse im Rasterelektronenmikroskop mittels energie- und wellenlängendispersiver Röntgenspektroskopie",
    .color = 0x00FA0555 /* R 85, G 5, B 250 */,
    .menu = {frame::closeItem("Ende"), frame::escItem("ESC")},
    .placement = frame::Pattern::UpTo1024Inclusive,
    .scaled = false,
};
}  // namespace

TFormREMEDXWDX::TFormREMEDXWDX(ui::Application& app) : TopicForm(app, kFrame) {
    font.height = -11;
}

}  // namespace chapters
