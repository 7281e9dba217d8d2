#include "chapters/analysis/FormREMCHA2.h"

namespace chapters {

namespace {
const frame::FrameSpec kFrame{
    TFormREMCHA2::kClassName,
    "Charakteristische Röntgenstrahlen",
    frame::kDesign96,
    ui::clYellow,
    "StatusBar1",
    "Ende",
    "&Ende",
    "ESC"};
}  // namespace

TFormREMCHA2::TFormREMCHA2(ui::Application& app) : TopicForm(app, kFrame) {
    font.height = -14;
}

void TFormREMCHA2::FormCreate() { placeBy(frame::Pattern::UpTo1024Exclusive); }

}  // namespace chapters
