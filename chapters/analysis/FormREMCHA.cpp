#include "chapters/analysis/FormREMCHA.h"

namespace chapters {

namespace {
const frame::FrameSpec kFrame{
    TFormREMCHA::kClassName,
    "Charakteristische Röntgenstrahlen: Schematische Darstellung der Ionisation eines Probenatoms",
    frame::kDesign96,
    ui::clYellow,
    "StatusBar1",
    "Ende",
    "&Ende",
    "ESC"};
}  // namespace

TFormREMCHA::TFormREMCHA(ui::Application& app) : TopicForm(app, kFrame) {
    font.height = -14;
}

void TFormREMCHA::FormCreate() { placeBy(frame::Pattern::UpTo1024Exclusive); }

}  // namespace chapters
