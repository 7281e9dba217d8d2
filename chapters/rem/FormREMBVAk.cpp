#include "chapters/rem/FormREMBVAk.h"

#include "chapters/rem/FormREMEin.h"

namespace chapters {

namespace {
const frame::PicturePageSpec kPage{
    TFormREMBVAk::kClassName,
    "Rasterelektronenmikroskop: Vakuumkammer",
    875,
    600,
    true /* stretched */,
    frame::Pattern::PhotoPage,
    TFormREMEin::kClassName};
}  // namespace

TFormREMBVAk::TFormREMBVAk(ui::Application& app) : PicturePage(app, kPage) {}

}  // namespace chapters
