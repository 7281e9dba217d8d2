#include "chapters/rem/FormREMEin.h"

namespace chapters {

namespace {
const frame::FrameSpec kFrame{
    TFormREMEin::kClassName,
    "Rasterelektronenmikroskopie: Einleitung",
    frame::kDesign96,
    0x00FE2101 /* R 1, G 33, B 254 */,
    "StatusBar1",
    "Ende",
    "&Ende",
    "ESC"};
}  // namespace

TFormREMEin::TFormREMEin(ui::Application& app) : TopicForm(app, kFrame) {}

void TFormREMEin::FormCreate() {
    ScaleX = screenWidth() / 800.0;
    ScaleY = screenHeight() / 600.0;
    placeBy(frame::Pattern::UpTo1024Inclusive);
}

}  // namespace chapters
