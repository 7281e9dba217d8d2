#include "chapters/lm/FormLMEinrichtungen.h"

#include "chapters/PicturePages.h"
#include "frame/PicturePage.h"

namespace chapters {

namespace {
// x and y in design units.
const frame::TextLine kLines[] = {
    {10, 20, "Lichtmikroskopie", 28},
    {10, 80, "Die Aufnahme (Bild rechts oben)"},
    {10, 110, "zeigt eine lichtmikroskopiesche"},
    {10, 140, "Einrichtung (Auflichtmikroskop)"},
    {10, 170, "die mit einer digitalen"},
    {10, 200, "Bildbearbeitung ausgestattet ist."},
    {10, 280, "Auf der Aufnahme (Bild rechts unten)"},
    {10, 310, "ist eine metallographisch präperierte"},
    {10, 340, "Schliffprobe unter dem Lichtmikroskop"},
    {10, 370, "zu sehen."},
    {10, 410, "Mehrere Objektive ermöglichen"},
    {10, 440, "eine Untersuchung der Probe bei"},
    {10, 470, "unterschiedlicher Vergrößerung."},
};

const frame::TwoPictureSpec kSpec{
    .frame = {
        .className = TFormLMEinrichtungen::kClassName,
        .caption = "Lichtmikroskopie: Einrichtungen",
        .designPPI = frame::kDesign120,
        .color = 0x0080FFFF /* R 255, G 255, B 128 */,
        .menu = {frame::closeItem("Ende"), frame::escItem("ESC")},
    },
    .lines = kLines,
    .photos = TFormLMEinrichtungen::kPhotos,
    .layout = frame::kEquipmentPictures,
    .page1 = TFormLMMikro::kClassName,
    .page2 = TFormLMLichtmikro::kClassName,
};
}  // namespace

TFormLMEinrichtungen::TFormLMEinrichtungen(ui::Application& app) : TwoPictureWindow(app, kSpec) {}

// Both pages back to full height for the overview; the window stays where it is.
void TFormLMEinrichtungen::FormClose() {
    if (ui::Form* page = page1()) frame::restorePhotoPage(*page);
    if (ui::Form* page = page2()) frame::restorePhotoPage(*page);
}

void TFormLMEinrichtungen::Image1Click() {
    if (ui::Form* page = page1()) frame::showBeside(*this, *page);
}

void TFormLMEinrichtungen::Image2Click() {
    if (ui::Form* page = page2()) frame::showBeside(*this, *page);
}

}  // namespace chapters
