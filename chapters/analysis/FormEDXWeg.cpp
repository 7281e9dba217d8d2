#include "chapters/analysis/FormEDXWeg.h"

namespace chapters {

namespace {
const frame::FrameSpec kFrame{
    TFormEDXWeg::kClassName,
    "Energiedispersives Röntgenspektrometer",
    frame::kDesign96,
    0x00FA0555 /* R 85, G 5, B 250 */};
}  // namespace

TFormEDXWeg::TFormEDXWeg(ui::Application& app) : TopicForm(app, kFrame) {
    font.height = -11;
}

void TFormEDXWeg::FormCreate() { placeBy(frame::Pattern::UpTo1024Inclusive); }

}  // namespace chapters
