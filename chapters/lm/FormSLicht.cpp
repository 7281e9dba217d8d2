#include "chapters/lm/FormSLicht.h"

namespace chapters {

namespace {
const frame::FrameSpec kFrame{
    .className = TFormSLicht::kClassName,
    .caption = "Lichtmikroskopie: Strahlengang in einem Auflichtmikroskop an einer polierten und geätzten Probe",
    .color = ui::clBlue,
    .statusBar = "StatusBarHint",
    // This window lists its Esc item first and captions it like its name.
    .menu = {frame::escItem("ESCAPE", "ESCAPE"), frame::closeItem("Ende")},
    .placement = frame::Pattern::UpTo1024Inclusive,
};
}  // namespace

TFormSLicht::TFormSLicht(ui::Application& app) : TopicForm(app, kFrame) {
    font.height = -14;
    StatusBar1->font.bold = true;
    StatusBar1->font.height = -18;
    StatusBar1->color = ui::clSilver;
}

}  // namespace chapters
