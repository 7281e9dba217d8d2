#include "chapters/analysis/FormDetSch.h"

namespace chapters {

namespace {
const frame::FrameSpec kFrame{
    TFormDetSch::kClassName,
    "Aufbau eines Silizium-(Lithium) Halbleiter-Detektors (schematisch)",
    frame::kDesign96,
    0x0080FFFF /* R 255, G 255, B 128 */,
    "StatusBar1",
    "Ende1",
    "&Ende",
    "ESC1",
    ui::BorderStyle::SizeToolWin};
}  // namespace

TFormDetSch::TFormDetSch(ui::Application& app) : TopicForm(app, kFrame) {
    font.height = -13;
}

void TFormDetSch::FormCreate() { placeBy(frame::Pattern::UpTo1024Inclusive); }

}  // namespace chapters
