#include "chapters/rem/FormREMCrNi3.h"

#include "chapters/rem/FormREMCrNi1.h"

namespace chapters {

namespace {
const frame::PicturePageSpec kPage{
    TFormREMCrNi3::kClassName,
    "Elektronenmikroskopische Aufnahme: X6 CrNiMoTi 17 12 (SE)",
    770,
    462,
    false /* natural size */,
    frame::Pattern::PicturePage,
    TFormREMCrNi1::kClassName};
}  // namespace

TFormREMCrNi3::TFormREMCrNi3(ui::Application& app) : PicturePage(app, kPage) {}

}  // namespace chapters
