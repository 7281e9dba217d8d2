#include "chapters/lm/FormLMEinrichtungen.h"

namespace chapters {

namespace {
const frame::FrameSpec kFrame{
    TFormLMEinrichtungen::kClassName,
    "Lichtmikroskopie: Einrichtungen",
    frame::kDesign120,
    0x0080FFFF /* R 255, G 255, B 128 */,
    "StatusBar1",
    "Ende",
    "&Ende",
    "ESC"};
}  // namespace

TFormLMEinrichtungen::TFormLMEinrichtungen(ui::Application& app) : TopicForm(app, kFrame) {}

void TFormLMEinrichtungen::FormCreate() { placeBy(frame::Pattern::UpTo1024Exclusive); }

}  // namespace chapters
