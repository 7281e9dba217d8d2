#include "chapters/rem/FormREMBSE.h"

namespace chapters {

namespace {
const frame::FrameSpec kFrame{
    .className = TFormREMBSE::kClassName,
    .caption = "Schema des Strahlengangs beim Rückstreuelektronendetektor (BSE-Detektor)",
    .color = ui::clYellow,
    .menu = {frame::closeItem("Ende"), frame::escItem("ESC")},
    .placement = frame::Pattern::UpTo1024Inclusive,
};
}  // namespace

TFormREMBSE::TFormREMBSE(ui::Application& app) : TopicForm(app, kFrame) {}

}  // namespace chapters
