#include "chapters/rem/FormAvTMisch.h"

#include "chapters/rem/FormREMAvT.h"

namespace chapters {

namespace {
const frame::PicturePageSpec kPage{
    TFormAvTMisch::kClassName,
    "Rasterelektronenmikroskopische Aufnahme: Stahl S235 Mischbruch",
    700,
    440,
    true /* stretched */,
    frame::Pattern::PicturePage,
    TFormREMAvT::kClassName,
    frame::OpenerOnClose::RepaintAndRecentre};
}  // namespace

TFormAvTMisch::TFormAvTMisch(ui::Application& app) : PicturePage(app, kPage) {}

}  // namespace chapters
