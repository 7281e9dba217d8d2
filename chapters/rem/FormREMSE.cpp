#include "chapters/rem/FormREMSE.h"

namespace chapters {

namespace {
const frame::FrameSpec kFrame{
    TFormREMSE::kClassName,
    "Schema des Strahlengangs beim Sekundärelektronendetektor (SE-Detektor)",
    frame::kDesign96,
    ui::clYellow,
    "StatusBar1",
    "Ende",
    "&Ende",
    "ESC"};
}  // namespace

TFormREMSE::TFormREMSE(ui::Application& app) : TopicForm(app, kFrame) {}

void TFormREMSE::FormCreate() { placeBy(frame::Pattern::UpTo1024Inclusive); }

}  // namespace chapters
