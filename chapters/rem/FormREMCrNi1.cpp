#include "chapters/rem/FormREMCrNi1.h"

#include "chapters/PicturePages.h"

namespace chapters {

namespace {
// x and y in design units.
const frame::TextLine kLines[] = {
    {10, 10, "Austenitischer Stahl", 28},
    {10, 40, "            X6 CrNiMoTi 17.12 ", 28},
    {10, 80, "Die rasterelektronenmikroskopische "},
    {10, 110, "Aufnahme oben rechts zeigt das Gefüge"},
    {10, 140, "eines X6 CrNiMoTi 17.12, aufgenommen"},
    {10, 170, "mit dem BSE-Detektor."},
    {10, 200, "Neben den Austenitkörnern sieht man "},
    {10, 230, "zeilenförmig verlaufenden Delta-Ferrit "},
    {10, 260, "und ein inhomogenen Einschluss."},
    {10, 290, "Dieser ist aus Elementen zusammen-"},
    {10, 320, "gesetzt, die eine niedrigere Ordnungs-"},
    {10, 350, "zahl besitzen als die metallische"},
    {10, 380, "Grundmasse."},
    {10, 420, "Unten rechts zeigt eine Aufnahme mit"},
    {10, 450, "dem SE-Detektor an der gleichen Probe"},
};

const frame::TwoPictureSpec kSpec{
    .frame = {
        .className = TFormREMCrNi1::kClassName,
        .caption = "Austenitischer Chrom-Nickel-Stahl",
        .designPPI = frame::kDesign120,
        .color = 0x0080FFFF /* R 255, G 255, B 128 */,
        .menu = {frame::closeItem("Ende", "Ende"), frame::escItem("ESC")},
    },
    .lines = kLines,
    .photos = TFormREMCrNi1::kPhotos,
    .page1 = TFormREMCrNi2::kClassName,
    .page2 = TFormREMCrNi3::kClassName,
};
}  // namespace

TFormREMCrNi1::TFormREMCrNi1(ui::Application& app) : TwoPictureWindow(app, kSpec) {}

}  // namespace chapters
