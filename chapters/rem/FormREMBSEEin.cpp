#include "chapters/rem/FormREMBSEEin.h"

namespace chapters {

namespace {
const frame::FrameSpec kFrame{
    TFormREMBSEEin::kClassName,
    "Rasterelektronenmikroskopie: Rückstreuelektronendetektor",
    frame::kDesign96,
    0x00FE2101 /* R 1, G 33, B 254 */,
    "StatusBar1",
    "Ende",
    "&Ende",
    "ESC"};
}  // namespace

TFormREMBSEEin::TFormREMBSEEin(ui::Application& app) : TopicForm(app, kFrame) {}

void TFormREMBSEEin::FormCreate() { placeBy(frame::Pattern::UpTo1024Inclusive); }

}  // namespace chapters
