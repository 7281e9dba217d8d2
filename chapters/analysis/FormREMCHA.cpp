#include "chapters/analysis/FormREMCHA.h"

namespace chapters {

namespace {
const frame::FrameSpec kFrame{
    .className = TFormREMCHA::kClassName,
    .caption = "Charakteristische Röntgenstrahlen: Schematische Darstellung der Ionisation eines Probenatoms",
    .color = ui::clYellow,
    .menu = {frame::closeItem("Ende"), frame::escItem("ESC")},
    .placement = frame::Pattern::UpTo1024Exclusive,
};
}  // namespace

TFormREMCHA::TFormREMCHA(ui::Application& app) : TopicForm(app, kFrame) {
    font.height = -14;
}

}  // namespace chapters
