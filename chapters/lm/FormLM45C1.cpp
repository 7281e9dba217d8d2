#include "chapters/lm/FormLM45C1.h"

#include "chapters/PicturePages.h"

namespace chapters {

namespace {
// x and y in design units.
const frame::TextLine kLines[] = {
    {10, 20, "Unlegierter Vergütungsstahl CK 45", 28},
    {10, 60, "Eine lichtmikroskopische Aufnahme"},
    {10, 90, "(Bild rechts oben)"},
    {10, 120, "zeigt ein normalisiertes feinkörniges"},
    {10, 150, "Gefüge mit Ferrit (hell) und Perlit (dunkel)."},
    {10, 220, "Im Bild unten rechts sieht man eine"},
    {10, 250, "Aufnahme nach dem Vergüten, d.h."},
    {10, 280, "nach einem Härten und anschließenden"},
    {10, 310, "Anlassen, mit dem Ziel eine hohe"},
    {10, 340, "Streckgrenze und eine gute Zähigkeit"},
    {10, 370, "zu erzielen. Während des Anlassens"},
    {10, 400, "können die im Martensit zwangsge-"},
    {10, 430, "lösten Kohlenstoffatome wandern, "},
    {10, 460, "als Folge der von der Temperatur"},
    {10, 490, "abhängigen Gitteraufweitung."},
};

const frame::TwoPictureSpec kSpec{
    .frame = {
        .className = TFormLM45C1::kClassName,
        .caption = "Unlegierter Vergütungsstahl CK 45",
        .designPPI = frame::kDesign120,
        .color = 0x0080FFFF /* R 255, G 255, B 128 */,
        .menu = {frame::closeItem("Ende", "Ende"), frame::escItem("ESC")},
    },
    .lines = kLines,
    .photos = TFormLM45C1::kPhotos,
    .page1 = TFormLM45C2::kClassName,
    .page2 = TFormLM45C3::kClassName,
};
}  // namespace

TFormLM45C1::TFormLM45C1(ui::Application& app) : TwoPictureWindow(app, kSpec) {}

}  // namespace chapters
