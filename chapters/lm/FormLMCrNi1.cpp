#include "chapters/lm/FormLMCrNi1.h"

namespace chapters {

namespace {
const frame::FrameSpec kFrame{
    .className = TFormLMCrNi1::kClassName,
    .caption = "Austenitischer Chrom-Nickel-Stahl",
    .designPPI = frame::kDesign120,
    .color = 0x0080FFFF /* R 255, G 255, B 128 */,
    .menu = {frame::closeItem("Ende", "Ende"), frame::escItem("ESC")},
    .placement = frame::Pattern::UpTo1024Exclusive,
};
}  // namespace

TFormLMCrNi1::TFormLMCrNi1(ui::Application& app) : TopicForm(app, kFrame) {}

}  // namespace chapters
