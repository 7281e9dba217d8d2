#include "chapters/analysis/FormEDXOrd.h"

namespace chapters {

namespace {
const frame::FrameSpec kFrame{
    .className = TFormEDXOrd::kClassName,
    .caption = "Röntgenenergien als Funktion der Ordnungszahl",
    .color = ui::clBlue,
    .border = ui::BorderStyle::SizeToolWin,
    .placement = frame::Pattern::UpTo1024Inclusive,
};
}  // namespace

TFormEDXOrd::TFormEDXOrd(ui::Application& app) : TopicForm(app, kFrame) {
    font.height = -10;
}

}  // namespace chapters
