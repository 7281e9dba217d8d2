#include "chapters/analysis/FormREMEDXWDXEin.h"

namespace chapters {

namespace {
const frame::FrameSpec kFrame{
    .className = TFormREMEDXWDXEin::kClassName,
    .caption = "Mikrobereichsanalyse mittels Spektroskopie",
    .color = 0x00FE2101 /* R 1, G 33, B 254 */,
    .menu = {frame::closeItem("Ende"), frame::escItem("ESC")},
    .placement = frame::Pattern::UpTo1024Inclusive,
};
}  // namespace

TFormREMEDXWDXEin::TFormREMEDXWDXEin(ui::Application& app) : TopicForm(app, kFrame) {}

}  // namespace chapters
