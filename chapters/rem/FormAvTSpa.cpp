#include "chapters/rem/FormAvTSpa.h"

#include "chapters/rem/FormREMAvT.h"

namespace chapters {

namespace {
const frame::PicturePageSpec kPage{
    TFormAvTSpa::kClassName,
    "Rasterelektronenmikroskopische Aufnahme: Stahl S236 Spaltbruch",
    700,
    440,
    true /* stretched */,
    frame::Pattern::PicturePage,
    TFormREMAvT::kClassName,
    frame::OpenerOnClose::RepaintAndRecentre};
}  // namespace

TFormAvTSpa::TFormAvTSpa(ui::Application& app) : PicturePage(app, kPage) {}

}  // namespace chapters
