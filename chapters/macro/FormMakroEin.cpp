#include "chapters/macro/FormMakroEin.h"

namespace chapters {

namespace {
const frame::FrameSpec kFrame{
    TFormMakroEin::kClassName,
    "Makroskopie: Einleitung",
    frame::kDesign96,
    0x00FA0555 /* R 85, G 5, B 250 */,
    "StatusBar1",
    "Ende",
    "&Ende",
    "ESC"};
}  // namespace

TFormMakroEin::TFormMakroEin(ui::Application& app) : TopicForm(app, kFrame) {}

void TFormMakroEin::FormCreate() { placeBy(frame::Pattern::UpTo1024Inclusive); }

}  // namespace chapters
