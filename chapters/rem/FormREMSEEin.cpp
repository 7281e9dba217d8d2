#include "chapters/rem/FormREMSEEin.h"

namespace chapters {

namespace {
const frame::FrameSpec kFrame{
    TFormREMSEEin::kClassName,
    "Rasterelektronenmikroskopie: Sekundärelektronendetektor",
    frame::kDesign96,
    0x00FE2101 /* R 1, G 33, B 254 */,
    "StatusBar1",
    "Ende",
    "&Ende",
    "ESC"};
}  // namespace

TFormREMSEEin::TFormREMSEEin(ui::Application& app) : TopicForm(app, kFrame) {}

void TFormREMSEEin::FormCreate() { placeBy(frame::Pattern::UpTo1024Inclusive); }

}  // namespace chapters
