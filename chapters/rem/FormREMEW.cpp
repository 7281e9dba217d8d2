#include "chapters/rem/FormREMEW.h"

namespace chapters {

namespace {
const frame::FrameSpec kFrame{
    .className = TFormREMEW::kClassName,
    .caption = "Wechselwirkungen zwischen dem Elektronenstrahl und der Materie",
    .color = ui::clBlue,
    .border = ui::BorderStyle::SizeToolWin,
    .statusBar = "StatusBarHilfe",
    .placement = frame::Pattern::UpTo1024Exclusive,
};
}  // namespace

TFormREMEW::TFormREMEW(ui::Application& app) : TopicForm(app, kFrame) {}

}  // namespace chapters
