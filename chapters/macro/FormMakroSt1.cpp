#include "chapters/macro/FormMakroSt1.h"

#include "chapters/PicturePages.h"

namespace chapters {

namespace {
// x and y in design units.
const frame::TextLine kLines[] = {
    {10, 20, "Untersuchungen an einem Rohr", 28},
    {10, 50, "aus einem unlegierten Stahl", 28},
    {10, 100, "Eine stereomikroskopische Aufnahme"},
    {10, 130, "(Bild rechts oben)"},
    {10, 160, "zeigt einen Rissfortschritt im Bereich"},
    {10, 190, "einer schadhaften Stelle."},
    {10, 280, "Eine weitere Aufnahme"},
    {10, 310, "(Bild rechts unten)"},
    {10, 340, "von der Innenseite des Rohrs zeigt"},
    {10, 370, "einen rötlichen Oberflächenbelag"},
    {10, 400, "der auf ein Korrosionsprodukt"},
    {10, 430, "(Eisenoxid) hinweist."},
};

const frame::TwoPictureSpec kSpec{
    .frame = {
        .className = TFormMakroSt1::kClassName,
        .caption = "Korrosion an einem unlegierten Stahl",
        .designPPI = frame::kDesign120,
        .color = 0x0080FFFF /* R 255, G 255, B 128 */,
        .menu = {frame::closeItem("Ende", "Ende"), frame::escItem("ESC")},
    },
    .lines = kLines,
    .photos = TFormMakroSt1::kPhotos,
    .page1 = TFormMakroSt2::kClassName,
    .page2 = TFormMakroSt3::kClassName,
};
}  // namespace

TFormMakroSt1::TFormMakroSt1(ui::Application& app) : TwoPictureWindow(app, kSpec) {}

}  // namespace chapters
