#include "chapters/analysis/FormDetSch.h"

namespace chapters {

namespace {
const frame::FrameSpec kFrame{
    .className = TFormDetSch::kClassName,
    .caption = "Aufbau eines Silizium-(Lithium) Halbleiter-Detektors (schematisch)",
    .color = 0x0080FFFF /* R 255, G 255, B 128 */,
    .border = ui::BorderStyle::SizeToolWin,
    .placement = frame::Pattern::UpTo1024Inclusive,
};
}  // namespace

TFormDetSch::TFormDetSch(ui::Application& app) : TopicForm(app, kFrame) {
    font.height = -13;
}

}  // namespace chapters
