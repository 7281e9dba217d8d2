#include "chapters/rem/FormREMBSE.h"

namespace chapters {

namespace {
const frame::FrameSpec kFrame{
    TFormREMBSE::kClassName,
    "Schema des Strahlengangs beim Rückstreuelektronendetektor (BSE-Detektor)",
    frame::kDesign96,
    ui::clYellow,
    "StatusBar1",
    "Ende",
    "&Ende",
    "ESC"};
}  // namespace

TFormREMBSE::TFormREMBSE(ui::Application& app) : TopicForm(app, kFrame) {}

void TFormREMBSE::FormCreate() { placeBy(frame::Pattern::UpTo1024Inclusive); }

}  // namespace chapters
