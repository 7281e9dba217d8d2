#include "chapters/macro/FormMakroCr2.h"

#include "chapters/macro/FormMakroCr1.h"

namespace chapters {

namespace {
const frame::PicturePageSpec kPage{
    TFormMakroCr2::kClassName,
    "Stereomikroskopie: Belag auf einem Chromstahl",
    770,
    462,
    false /* natural size */,
    frame::Pattern::PicturePage,
    TFormMakroCr1::kClassName};
}  // namespace

TFormMakroCr2::TFormMakroCr2(ui::Application& app) : PicturePage(app, kPage) {}

}  // namespace chapters
