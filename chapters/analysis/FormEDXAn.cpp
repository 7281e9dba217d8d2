#include "chapters/analysis/FormEDXAn.h"

namespace chapters {

namespace {
const frame::FrameSpec kFrame{
    .className = TFormEDXAn::kClassName,
    .caption = "EDX-Anwendungsgebiete",
    .color = ui::clYellow,
    .border = ui::BorderStyle::SizeToolWin,
    .placement = frame::Pattern::UpTo1024Inclusive,
};
}  // namespace

TFormEDXAn::TFormEDXAn(ui::Application& app) : TopicForm(app, kFrame) {}

}  // namespace chapters
