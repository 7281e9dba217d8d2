#include "chapters/lm/FormSLicht.h"

namespace chapters {

namespace {
const frame::FrameSpec kFrame{
    TFormSLicht::kClassName,
    "Lichtmikroskopie: Strahlengang in einem Auflichtmikroskop an einer polierten und geätzten Probe",
    frame::kDesign96,
    ui::clBlue,
    "StatusBarHint",
    "Ende",
    "&Ende",
    "ESCAPE"};
}  // namespace

TFormSLicht::TFormSLicht(ui::Application& app) : TopicForm(app, kFrame) {
    font.height = -14;
    // The invisible Esc item of this window is captioned like its name.
    ESC1.setCaption("ESCAPE");
    MainMenu1.moveTo(ESC1, 0);  // this window lists its Esc item first
    StatusBar1->font.bold = true;
    StatusBar1->font.height = -18;
    StatusBar1->color = ui::clSilver;
}

void TFormSLicht::FormCreate() { placeBy(frame::Pattern::UpTo1024Inclusive); }

}  // namespace chapters
