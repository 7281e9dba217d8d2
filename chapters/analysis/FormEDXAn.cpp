#include "chapters/analysis/FormEDXAn.h"

namespace chapters {

namespace {
const frame::FrameSpec kFrame{
    TFormEDXAn::kClassName,
    "EDX-Anwendungsgebiete",
    frame::kDesign96,
    ui::clYellow,
    "StatusBar1",
    "Ende1",
    "&Ende",
    "ESC1",
    ui::BorderStyle::SizeToolWin};
}  // namespace

TFormEDXAn::TFormEDXAn(ui::Application& app) : TopicForm(app, kFrame) {}

void TFormEDXAn::FormCreate() { placeBy(frame::Pattern::UpTo1024Inclusive); }

}  // namespace chapters
