#include "chapters/macro/FormMakroSt2.h"

#include "chapters/macro/FormMakroSt1.h"

namespace chapters {

namespace {
const frame::PicturePageSpec kPage{
    TFormMakroSt2::kClassName,
    "Stereomikroskopie: Korrosion an einem unlegierten Stahl",
    770,
    462,
    false /* natural size */,
    frame::Pattern::PicturePage,
    TFormMakroSt1::kClassName};
}  // namespace

TFormMakroSt2::TFormMakroSt2(ui::Application& app) : PicturePage(app, kPage) {}

}  // namespace chapters
