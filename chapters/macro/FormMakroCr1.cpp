#include "chapters/macro/FormMakroCr1.h"

#include "chapters/PicturePages.h"

namespace chapters {

namespace {
// x and y in design units.
const frame::TextLine kLines[] = {
    {10, 20, "Untersuchungen an Blechen", 28},
    {10, 50, "aus einem ferritischen Chromstahl", 28},
    {10, 100, "Eine stereomikroskopische Aufnahme"},
    {10, 130, "(Bild rechts oben)"},
    {10, 160, "zeigt einen bräunlich/rötliche "},
    {10, 190, "erscheinenden Belag, auf dem an"},
    {10, 220, "einigen Stellen ein grauer Belag"},
    {10, 250, "aufliegt."},
    {10, 320, "Innerhalb des bräunlich/rötlichen"},
    {10, 350, "Belages befinden sich auffallend"},
    {10, 380, "poröse Stellen. "},
    {10, 410, "(Bild rechts unten)"},
};

const frame::TwoPictureSpec kSpec{
    .frame = {
        .className = TFormMakroCr1::kClassName,
        .caption = "Belag auf einem ferritischen Chromstahl",
        .designPPI = frame::kDesign120,
        .color = 0x0080FFFF /* R 255, G 255, B 128 */,
        .menu = {frame::closeItem("Ende"), frame::escItem("ESC")},
    },
    .lines = kLines,
    .photos = TFormMakroCr1::kPhotos,
    .page1 = TFormMakroCr2::kClassName,
    .page2 = TFormMakroCr3::kClassName,
};
}  // namespace

TFormMakroCr1::TFormMakroCr1(ui::Application& app) : TwoPictureWindow(app, kSpec) {}

}  // namespace chapters
