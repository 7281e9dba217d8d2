#include "chapters/rem/FormREMBDet.h"

#include "chapters/rem/FormREMEin.h"

namespace chapters {

namespace {
const frame::PicturePageSpec kPage{
    TFormREMBDet::kClassName,
    "Rasterelektronenmikroskop: Detektoren in der Vakuumkammer",
    875,
    600,
    true /* stretched */,
    frame::Pattern::PhotoPage,
    TFormREMEin::kClassName};
}  // namespace

TFormREMBDet::TFormREMBDet(ui::Application& app) : PicturePage(app, kPage) {}

}  // namespace chapters
