#include "chapters/analysis/FormREMCHA2.h"

namespace chapters {

namespace {
const frame::FrameSpec kFrame{
    .className = TFormREMCHA2::kClassName,
    .caption = "Charakteristische Röntgenstrahlen",
    .color = ui::clYellow,
    .menu = {frame::closeItem("Ende"), frame::escItem("ESC")},
    .placement = frame::Pattern::UpTo1024Exclusive,
};
}  // namespace

TFormREMCHA2::TFormREMCHA2(ui::Application& app) : TopicForm(app, kFrame) {
    font.height = -14;
}

}  // namespace chapters
