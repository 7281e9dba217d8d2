#include "chapters/rem/FormREMSE.h"

namespace chapters {

namespace {
const frame::FrameSpec kFrame{
    .className = TFormREMSE::kClassName,
    .caption = "Schema des Strahlengangs beim Sekundärelektronendetektor (SE-Detektor)",
    .color = ui::clYellow,
    .menu = {frame::closeItem("Ende"), frame::escItem("ESC")},
    .placement = frame::Pattern::UpTo1024Inclusive,
};
}  // namespace

TFormREMSE::TFormREMSE(ui::Application& app) : TopicForm(app, kFrame) {}

}  // namespace chapters
