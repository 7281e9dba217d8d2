#include "chapters/macro/FormMakroAuf.h"

namespace chapters {

namespace {
const frame::FrameSpec kFrame{
    TFormMakroAuf::kClassName,
    "Makroskopie: Makroskopische Betrachtung und  Aufnahmen mittels Stereomikroskop",
    frame::kDesign96,
    ui::clBlue,
    "StatusBar1",
    "Ende",
    "&Ende",
    "ESC"};
}  // namespace

TFormMakroAuf::TFormMakroAuf(ui::Application& app) : TopicForm(app, kFrame) {}

void TFormMakroAuf::FormCreate() { placeBy(frame::Pattern::UpTo1024Inclusive); }

}  // namespace chapters
