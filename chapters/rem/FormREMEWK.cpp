#include "chapters/rem/FormREMEWK.h"

namespace chapters {

namespace {
const frame::FrameSpec kFrame{
    .className = TFormREMEWK::kClassName,
    .caption = "Wechselwirkungen zwischen dem Elektronenstrahl und der Materie",
    .color = ui::clBlue,
    .border = ui::BorderStyle::SizeToolWin,
    .statusBar = "StatusBarHilfe",
    .placement = frame::Pattern::SmallSideWindow,
};
}  // namespace

TFormREMEWK::TFormREMEWK(ui::Application& app) : TopicForm(app, kFrame) {}

}  // namespace chapters
