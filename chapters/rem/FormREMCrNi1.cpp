#include "chapters/rem/FormREMCrNi1.h"

namespace chapters {

namespace {
const frame::FrameSpec kFrame{
    TFormREMCrNi1::kClassName,
    "Austenitischer Chrom-Nickel-Stahl",
    frame::kDesign120,
    0x0080FFFF /* R 255, G 255, B 128 */,
    "StatusBar1",
    "Ende",
    "Ende",
    "ESC"};
}  // namespace

TFormREMCrNi1::TFormREMCrNi1(ui::Application& app) : TopicForm(app, kFrame) {}

void TFormREMCrNi1::FormCreate() { placeBy(frame::Pattern::UpTo1024Exclusive); }

}  // namespace chapters
