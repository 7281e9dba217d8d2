#include "chapters/macro/FormMakroCr1.h"

namespace chapters {

namespace {
const frame::FrameSpec kFrame{
    TFormMakroCr1::kClassName,
    "Belag auf einem ferritischen Chromstahl",
    frame::kDesign120,
    0x0080FFFF /* R 255, G 255, B 128 */,
    "StatusBar1",
    "Ende",
    "&Ende",
    "ESC"};
}  // namespace

TFormMakroCr1::TFormMakroCr1(ui::Application& app) : TopicForm(app, kFrame) {}

void TFormMakroCr1::FormCreate() { placeBy(frame::Pattern::UpTo1024Exclusive); }

}  // namespace chapters
