#include "chapters/rem/FormREMWechsel.h"

namespace chapters {

namespace {
const frame::FrameSpec kFrame{
    .className = TFormREMWechsel::kClassName,
    .caption = "Wechselwirkungen zwischen Primärelektronenstrahl und Probe",
    .color = 0x00FA0555 /* R 85, G 5, B 250 */,
    .menu = {frame::closeItem("Ende"), frame::escItem("ESC")},
    .placement = frame::Pattern::UpTo1024Exclusive,
    .scaled = false,
};
}  // namespace

TFormREMWechsel::TFormREMWechsel(ui::Application& app) : TopicForm(app, kFrame) {
    font.height = -11;
}

}  // namespace chapters
