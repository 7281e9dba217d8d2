#include "chapters/lm/FormLM45C1.h"

namespace chapters {

namespace {
const frame::FrameSpec kFrame{
    TFormLM45C1::kClassName,
    "Unlegierter Vergütungsstahl CK 45",
    frame::kDesign120,
    0x0080FFFF /* R 255, G 255, B 128 */,
    "StatusBar1",
    "Ende",
    "Ende",
    "ESC"};
}  // namespace

TFormLM45C1::TFormLM45C1(ui::Application& app) : TopicForm(app, kFrame) {}

void TFormLM45C1::FormCreate() { placeBy(frame::Pattern::UpTo1024Exclusive); }

}  // namespace chapters
