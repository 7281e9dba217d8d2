#include "chapters/lm/FormLMCrNi1.h"

#include "chapters/PicturePages.h"

namespace chapters {

namespace {
// x and y in design units.
const frame::TextLine kLines[] = {
    {10, 20, "Austenitischer Stahl X10 CrNi 17.7", 28},
    {10, 60, "Eine lichtmikroskopische Aufnahme"},
    {10, 90, "(Bild rechts oben)"},
    {10, 120, "zeigt das Gefüge eines X10 CrNi 17.7"},
    {10, 150, "mit charakteristischen Austenitkörnern."},
    {10, 180, "In den Körnern sind Anteilen von"},
    {10, 210, "verformungsinduzierten Martensit"},
    {10, 240, "erkennbar."},
    {10, 300, "Eine weitere Aufnahme"},
    {10, 330, "(Bild rechts unten)"},
    {10, 360, "zeigt diesen Stahl nach einem Einsatz"},
    {10, 390, "in einer Methan angereichten Atmos-"},
    {10, 420, "phäre bei einer Temperatur von 1000°C"},
    {10, 450, "die zu einer Bildung von Chromcarbiden"},
    {10, 480, "an den Austenitkorngrenzen führt."},
};

const frame::TwoPictureSpec kSpec{
    .frame = {
        .className = TFormLMCrNi1::kClassName,
        .caption = "Austenitischer Chrom-Nickel-Stahl",
        .designPPI = frame::kDesign120,
        .color = 0x0080FFFF /* R 255, G 255, B 128 */,
        .menu = {frame::closeItem("Ende", "Ende"), frame::escItem("ESC")},
    },
    .lines = kLines,
    .photos = TFormLMCrNi1::kPhotos,
    .page1 = TFormLMCrNi2::kClassName,
    .page2 = TFormLMCrNi3::kClassName,
};
}  // namespace

TFormLMCrNi1::TFormLMCrNi1(ui::Application& app) : TwoPictureWindow(app, kSpec) {}

}  // namespace chapters
