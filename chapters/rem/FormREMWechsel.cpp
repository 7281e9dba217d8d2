#include "chapters/rem/FormREMWechsel.h"

namespace chapters {

namespace {
const frame::FrameSpec kFrame{
    TFormREMWechsel::kClassName,
    "Wechselwirkungen zwischen Primärelektronenstrahl und Probe",
    frame::kDesign96,
    0x00FA0555 /* R 85, G 5, B 250 */,
    "StatusBar1",
    "Ende",
    "&Ende",
    "ESC"};
}  // namespace

TFormREMWechsel::TFormREMWechsel(ui::Application& app) : TopicForm(app, kFrame) {
    font.height = -11;
}

void TFormREMWechsel::FormCreate() {
    placeSizeOnly(frame::Pattern::UpTo1024Exclusive);
}

}  // namespace chapters
