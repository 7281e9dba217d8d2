#include "chapters/analysis/FormREMEDXWDXEin.h"

namespace chapters {

namespace {
const frame::FrameSpec kFrame{
    TFormREMEDXWDXEin::kClassName,
    "Mikrobereichsanalyse mittels Spektroskopie",
    frame::kDesign96,
    0x00FE2101 /* R 1, G 33, B 254 */,
    "StatusBar1",
    "Ende",
    "&Ende",
    "ESC"};
}  // namespace

TFormREMEDXWDXEin::TFormREMEDXWDXEin(ui::Application& app) : TopicForm(app, kFrame) {}

void TFormREMEDXWDXEin::FormCreate() { placeBy(frame::Pattern::UpTo1024Inclusive); }

}  // namespace chapters
