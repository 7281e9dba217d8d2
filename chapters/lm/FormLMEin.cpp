#include "chapters/lm/FormLMEin.h"

namespace chapters {

namespace {
const frame::FrameSpec kFrame{
    TFormLMEin::kClassName,
    "Lichtmikroskopie: Möglichkeiten und Probenpräparation",
    frame::kDesign96,
    0x00FA0555 /* R 85, G 5, B 250 */,
    "StatusBar1",
    "Ende",
    "&Ende",
    "ESC"};
}  // namespace

TFormLMEin::TFormLMEin(ui::Application& app) : TopicForm(app, kFrame) {}

void TFormLMEin::FormCreate() { placeBy(frame::Pattern::UpTo1024Inclusive); }

}  // namespace chapters
