#include "chapters/lm/FormLMCrNi1.h"

namespace chapters {

namespace {
const frame::FrameSpec kFrame{
    TFormLMCrNi1::kClassName,
    "Austenitischer Chrom-Nickel-Stahl",
    frame::kDesign120,
    0x0080FFFF /* R 255, G 255, B 128 */,
    "StatusBar1",
    "Ende",
    "Ende",
    "ESC"};
}  // namespace

TFormLMCrNi1::TFormLMCrNi1(ui::Application& app) : TopicForm(app, kFrame) {}

void TFormLMCrNi1::FormCreate() { placeBy(frame::Pattern::UpTo1024Exclusive); }

}  // namespace chapters
