#include "chapters/lm/FormEWELLENL.h"

namespace chapters {

namespace {
const frame::FrameSpec kFrame{
    .className = TFormEWELLENL::kClassName,
    .caption = "Wellenlängenbereiche",
    .color = ui::clBlue,
    .menu = {frame::closeItem("Ende"), frame::escItem("ESC")},
    .placement = frame::Pattern::UpTo1024Exclusive,
};
}  // namespace

TFormEWELLENL::TFormEWELLENL(ui::Application& app) : TopicForm(app, kFrame) {
    font.height = -14;
}

}  // namespace chapters
