#include "chapters/lm/FormLMEin2.h"

namespace chapters {

namespace {
const frame::FrameSpec kFrame{
    TFormLMEin2::kClassName,
    "Lichtmikroskopie: Grenzen der Lichtmikroskopie",
    frame::kDesign96,
    0x00FA0555 /* R 85, G 5, B 250 */,
    "StatusBar1",
    "Ende",
    "&Ende",
    "ESC"};
}  // namespace

TFormLMEin2::TFormLMEin2(ui::Application& app) : TopicForm(app, kFrame) {}

void TFormLMEin2::FormCreate() { placeBy(frame::Pattern::UpTo1024Inclusive); }

}  // namespace chapters
