#include "chapters/rem/FormREMBGes.h"

#include "chapters/rem/FormREMEin.h"

namespace chapters {

namespace {
const frame::PicturePageSpec kPage{
    TFormREMBGes::kClassName,
    "Rasterelektronenmikroskop: Gesamtübersicht",
    800,
    570,
    true /* stretched */,
    frame::Pattern::PhotoPage,
    TFormREMEin::kClassName};
}  // namespace

TFormREMBGes::TFormREMBGes(ui::Application& app) : PicturePage(app, kPage) {}

}  // namespace chapters
