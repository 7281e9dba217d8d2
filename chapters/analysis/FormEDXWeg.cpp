#include "chapters/analysis/FormEDXWeg.h"

namespace chapters {

namespace {
const frame::FrameSpec kFrame{
    .className = TFormEDXWeg::kClassName,
    .caption = "Energiedispersives Röntgenspektrometer",
    .color = 0x00FA0555 /* R 85, G 5, B 250 */,
    .placement = frame::Pattern::UpTo1024Inclusive,
};
}  // namespace

TFormEDXWeg::TFormEDXWeg(ui::Application& app) : TopicForm(app, kFrame) {
    font.height = -11;
}

}  // namespace chapters
