#include "chapters/macro/FormMakroCr3.h"

#include "chapters/macro/FormMakroCr1.h"

namespace chapters {

namespace {
const frame::PicturePageSpec kPage{
    TFormMakroCr3::kClassName,
    "Stereomikroskopie: Poröse Stellen im Belag",
    770,
    462,
    false /* natural size */,
    frame::Pattern::PicturePage,
    TFormMakroCr1::kClassName};
}  // namespace

TFormMakroCr3::TFormMakroCr3(ui::Application& app) : PicturePage(app, kPage) {}

}  // namespace chapters
