#include "chapters/rem/FormREMEW.h"

namespace chapters {

namespace {
const frame::FrameSpec kFrame{
    TFormREMEW::kClassName,
    "Wechselwirkungen zwischen dem Elektronenstrahl und der Materie",
    frame::kDesign96,
    ui::clBlue,
    "StatusBarHilfe",
    "Ende1",
    "&Ende",
    "ESC1",
    ui::BorderStyle::SizeToolWin};
}  // namespace

TFormREMEW::TFormREMEW(ui::Application& app) : TopicForm(app, kFrame) {}

void TFormREMEW::FormCreate() { placeBy(frame::Pattern::UpTo1024Exclusive); }

}  // namespace chapters
