#include "chapters/rem/FormAvTDuk.h"

#include "chapters/rem/FormREMAvT.h"

namespace chapters {

namespace {
const frame::PicturePageSpec kPage{
    TFormAvTDuk::kClassName,
    "Rasterelektronenmikroskopische Aufnahme: Stahl S236 Duktiler Bruch (Wabenbruch)",
    700,
    440,
    true /* stretched */,
    frame::Pattern::PicturePage,
    TFormREMAvT::kClassName,
    frame::OpenerOnClose::RepaintAndRecentre};
}  // namespace

TFormAvTDuk::TFormAvTDuk(ui::Application& app) : PicturePage(app, kPage) {}

}  // namespace chapters
