#include "chapters/rem/FormREMEin.h"

#include "chapters/PicturePages.h"
#include "frame/PicturePage.h"

namespace chapters {

namespace {
const frame::FrameSpec kFrame{
    .className = TFormREMEin::kClassName,
    .caption = "Rasterelektronenmikroskopie: Einleitung",
    .color = 0x00FE2101 /* R 1, G 33, B 254 */,
    .menu = {frame::closeItem("Ende"), frame::escItem("ESC"), {"REMBildGesamtdarstellung1", "&Gesamtübersicht"},
             {"REMBildVakuumkammer1", "&Vakuumkammer"},
             {"REMBildProbeinderVakuumkammer1", "&Vakuumkammer mit einer Probe"}, {"Detektoren1", "&Detektoren"}},
};

// x in pixels, y in design units.
const frame::TextLine kLines[] = {
    {20, 10, "Rasterelektronenmikroskopie: "},
    {20, 50, "Mit Hilfe des Rasterelektronenmikroskops (REM) können glatte und rauhe Oberflächen"},
    {20, 80, "bei großer Tiefenschärfe und hohem Auflösungsvermögen untersucht werden."},
    {20, 120, "Bei vergleichbarer Vergrößerung ist die Tiefenschärfe ca. 300 mal größer als"},
    {20, 150, "beim Lichtmikroskop."},
    {20, 180, "Aufgrund der hohen Tiefenschärfe ist das REM besonders geeignet für die "},
    {20, 210, "Untersuchung von unebenen Flächen, z.B. von Bruchflächen. "},
    {20, 250, "Das Auflösungsvermögen des REM reicht bis ca. 10 nm.  "},
    {20, 280, "Zu untersuchende Proben können bis zu ca. 100000-fach vergrößert werden."},
    {20, 320, "Das Rasterelektronenmikroskop ist universell einsetzbar und es liefert u.a. "},
    {20, 350, "im Rahmen wissenschaftlicher Forschungsprojekte oder Schadensuntersuchungen"},
    {20, 380, "wertvolle Untersuchungsergebnisse."},
};

template <class Page>
void restore(ui::Application& app) {
    if (auto* page = frame::findWindow<Page>(app)) frame::restorePhotoPage(*page);
}
}  // namespace

TFormREMEin::TFormREMEin(ui::Application& app) : TextPage(app, kFrame, frame::TextX::Pixels, kLines) {
    REMBildGesamtdarstellung1.OnClick = [this] { REMBildGesamtdarstellung1Click(); };
    REMBildVakuumkammer1.OnClick = [this] { REMBildVakuumkammer1Click(); };
    REMBildProbeinderVakuumkammer1.OnClick = [this] { REMBildProbeinderVakuumkammer1Click(); };
    Detektoren1.OnClick = [this] { Detektoren1Click(); };
}

void TFormREMEin::FormCreate() {
    // The screen-relative scale first; the placement then sets the scale it needs.
    ScaleX = screenWidth() / 800.0;
    ScaleY = screenHeight() / 600.0;
    placeBy(frame::Pattern::UpTo1024Inclusive);
    PaintBoxHaupt.setBounds(10, 20, X(780), Y(500));
}

// The instrument pages back to full height for the overview, this window back to the
// horizontal middle.
void TFormREMEin::FormClose() {
    restore<TFormREMBDet>(application());
    restore<TFormREMBProbe>(application());
    setLeft(frame::centredLeft(screenWidth(), width()));
    restore<TFormREMBVAk>(application());
    restore<TFormREMBGes>(application());
}

void TFormREMEin::REMBildGesamtdarstellung1Click() {
    if (auto* page = frame::findWindow<TFormREMBGes>(application())) frame::showBeside(*this, *page);
}

void TFormREMEin::REMBildVakuumkammer1Click() {
    if (auto* page = frame::findWindow<TFormREMBVAk>(application())) frame::showBeside(*this, *page);
}

void TFormREMEin::REMBildProbeinderVakuumkammer1Click() {
    if (auto* page = frame::findWindow<TFormREMBProbe>(application())) frame::showBeside(*this, *page);
}

void TFormREMEin::Detektoren1Click() {
    if (auto* page = frame::findWindow<TFormREMBDet>(application())) frame::showBeside(*this, *page);
}

}  // namespace chapters
