#include "chapters/rem/FormREMCrNi2.h"

#include "chapters/rem/FormREMCrNi1.h"

namespace chapters {

namespace {
const frame::PicturePageSpec kPage{
    TFormREMCrNi2::kClassName,
    "Elektronenmikroskopische Aufnahme: X6 CrNiMoTi 17 12 (BSE)",
    770,
    462,
    false /* natural size */,
    frame::Pattern::PicturePage,
    TFormREMCrNi1::kClassName};
}  // namespace

TFormREMCrNi2::TFormREMCrNi2(ui::Application& app) : PicturePage(app, kPage) {}

}  // namespace chapters
