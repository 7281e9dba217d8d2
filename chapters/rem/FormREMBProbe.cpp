#include "chapters/rem/FormREMBProbe.h"

#include "chapters/rem/FormREMEin.h"

namespace chapters {

namespace {
const frame::PicturePageSpec kPage{
    TFormREMBProbe::kClassName,
    "Rasterelektronenmikroskop: Vakuumkammer mit einer Probe",
    875,
    600,
    true /* stretched */,
    frame::Pattern::PhotoPage,
    TFormREMEin::kClassName};
}  // namespace

TFormREMBProbe::TFormREMBProbe(ui::Application& app) : PicturePage(app, kPage) {}

}  // namespace chapters
