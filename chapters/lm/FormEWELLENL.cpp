#include "chapters/lm/FormEWELLENL.h"

namespace chapters {

namespace {
const frame::FrameSpec kFrame{
    TFormEWELLENL::kClassName,
    "Wellenlängenbereiche",
    frame::kDesign96,
    ui::clBlue,
    "StatusBar1",
    "Ende",
    "&Ende",
    "ESC"};
}  // namespace

TFormEWELLENL::TFormEWELLENL(ui::Application& app) : TopicForm(app, kFrame) {
    font.height = -14;
}

void TFormEWELLENL::FormCreate() { placeBy(frame::Pattern::UpTo1024Exclusive); }

}  // namespace chapters
