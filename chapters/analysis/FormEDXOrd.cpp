#include "chapters/analysis/FormEDXOrd.h"

namespace chapters {

namespace {
const frame::FrameSpec kFrame{
    TFormEDXOrd::kClassName,
    "Röntgenenergien als Funktion der Ordnungszahl",
    frame::kDesign96,
    ui::clBlue,
    "StatusBar1",
    "Ende1",
    "&Ende",
    "ESC1",
    ui::BorderStyle::SizeToolWin};
}  // namespace

TFormEDXOrd::TFormEDXOrd(ui::Application& app) : TopicForm(app, kFrame) {
    font.height = -10;
}

void TFormEDXOrd::FormCreate() { placeBy(frame::Pattern::UpTo1024Inclusive); }

}  // namespace chapters
