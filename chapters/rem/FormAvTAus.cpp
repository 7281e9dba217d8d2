#include "chapters/rem/FormAvTAus.h"

#include "chapters/rem/FormREMAvT.h"

namespace chapters {

namespace {
const frame::PicturePageSpec kPage{
    TFormAvTAus::kClassName,
    "Rasterelektronenmikroskopische Aufnahme: Austenitischer Stahl X5 CrNi 18-10",
    700,
    440,
    true /* stretched */,
    frame::Pattern::PicturePage,
    TFormREMAvT::kClassName,
    frame::OpenerOnClose::RepaintAndRecentre};
}  // namespace

TFormAvTAus::TFormAvTAus(ui::Application& app) : PicturePage(app, kPage) {}

}  // namespace chapters
