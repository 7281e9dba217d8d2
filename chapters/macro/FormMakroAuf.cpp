#include "chapters/macro/FormMakroAuf.h"

#include "chapters/PicturePages.h"
#include "frame/PicturePage.h"

namespace chapters {

namespace {
const frame::FrameSpec kFrame{
    .className = TFormMakroAuf::kClassName,
    .caption = "Makroskopie: Makroskopische Betrachtung und  Aufnahmen mittels Stereomikroskop",
    .color = ui::clBlue,
    .menu = {frame::closeItem("Ende"), frame::escItem("ESC"), {"Stereomokroskop1", "&Stereomokroskop"}},
    .placement = frame::Pattern::UpTo1024Inclusive,
};

// x in pixels, y in design units; the heading stands at a fixed pixel row.
const frame::TextLine kLines[] = {
    {20, 20, "Makroskopische Betrachtung und Bildaufnahmen mit dem Streomikroskop:", 24, true},
    {20, 60, "Im Rahmen einer Werkstoffuntersuchungen ist es oft zweckmäßig Bruchflächen, "},
    {20, 90, "Korrosionserscheinungen oder sonstige Oberflächenangriffe mittels photographischer"},
    {20, 120, "Aufnahme festzuhalten."},
    {20, 170, "Mit Hilfe der herkömmlichen Aufnahmetechniken (Negativtechnik, Sofortbildtechnik)"},
    {20, 200, "oder digitalen Kameras werden mit geeigneten Objektiven ohne nennenswerte"},
    {20, 230, "Vergrößerung Nahaufnahmen angefertigt."},
    {20, 280, "Sind allerdings höhere Vergrößerungen erforderlich, so ist der Einsatz eines "},
    {20, 310, "Stereomikroskops ratsam, mit dem sich Vergrößerungen bis etwa 50:1"},
    {20, 340, "erreichen lassen. Auch hiermit kann man problemlos Photographien "},
    {20, 370, "von erwünschten Werkstoffbereichen erzielen."},
};
}  // namespace

TFormMakroAuf::TFormMakroAuf(ui::Application& app) : TextPage(app, kFrame, frame::TextX::Pixels, kLines) {
    Stereomokroskop1.OnClick = [this] { Stereomokroskop1Click(); };
}

void TFormMakroAuf::FormCreate() {
    TopicForm::FormCreate();
    PaintBoxHaupt.setBounds(10, 20, X(770), Y(500));
}

// Back to the middle of the screen, and the stereo microscope back to full height for
// the overview.
void TFormMakroAuf::FormClose() {
    setLeft(frame::div(screenWidth() - width(), 2));
    setTop(frame::div(screenHeight() - height(), 2));
    if (auto* page = frame::findWindow<TFormLMStereomikro>(application())) frame::restorePhotoPage(*page);
}

void TFormMakroAuf::Stereomokroskop1Click() {
    if (auto* page = frame::findWindow<TFormLMStereomikro>(application())) frame::showBeside(*this, *page);
}

}  // namespace chapters
