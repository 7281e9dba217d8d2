#include "chapters/analysis/FormREMEDXWDX.h"

namespace chapters {

namespace {
const frame::FrameSpec kFrame{
    TFormREMEDXWDX::kClassName,
    "Mikrobereichsanalyse im Rasterelektronenmikroskop mittels energie- und wellenlängendispersiver Röntgenspektroskopie",
    frame::kDesign96,
    0x00FA0555 /* R 85, G 5, B 250 */,
    "StatusBar1",
    "Ende",
    "&Ende",
    "ESC"};
}  // namespace

TFormREMEDXWDX::TFormREMEDXWDX(ui::Application& app) : TopicForm(app, kFrame) {
    font.height = -11;
}

void TFormREMEDXWDX::FormCreate() {
    placeSizeOnly(frame::Pattern::UpTo1024Inclusive);
}

}  // namespace chapters
