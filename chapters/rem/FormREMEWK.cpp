#include "chapters/rem/FormREMEWK.h"

namespace chapters {

namespace {
const frame::FrameSpec kFrame{
    TFormREMEWK::kClassName,
    "Wechselwirkungen zwischen dem Elektronenstrahl und der Materie",
    frame::kDesign96,
    ui::clBlue,
    "StatusBarHilfe",
    "Ende1",
    "&Ende",
    "ESC1",
    ui::BorderStyle::SizeToolWin};
}  // namespace

TFormREMEWK::TFormREMEWK(ui::Application& app) : TopicForm(app, kFrame) {}

void TFormREMEWK::FormCreate() { placeBy(frame::Pattern::SmallSideWindow); }

}  // namespace chapters
