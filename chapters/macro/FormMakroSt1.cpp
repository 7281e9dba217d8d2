#include "chapters/macro/FormMakroSt1.h"

namespace chapters {

namespace {
const frame::FrameSpec kFrame{
    TFormMakroSt1::kClassName,
    "Korrosion an einem unlegierten Stahl",
    frame::kDesign120,
    0x0080FFFF /* R 255, G 255, B 128 */,
    "StatusBar1",
    "Ende",
    "Ende",
    "ESC"};
}  // namespace

TFormMakroSt1::TFormMakroSt1(ui::Application& app) : TopicForm(app, kFrame) {}

void TFormMakroSt1::FormCreate() { placeBy(frame::Pattern::UpTo1024Exclusive); }

}  // namespace chapters
