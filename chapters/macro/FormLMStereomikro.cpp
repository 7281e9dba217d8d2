#include "chapters/macro/FormLMStereomikro.h"

#include "chapters/macro/FormMakroAuf.h"

namespace chapters {

namespace {
const frame::PicturePageSpec kPage{
    TFormLMStereomikro::kClassName,
    "Stereomikroskop",
    1100,
    777,
    true /* stretched */,
    frame::Pattern::PhotoPage,
    TFormMakroAuf::kClassName};
}  // namespace

TFormLMStereomikro::TFormLMStereomikro(ui::Application& app) : PicturePage(app, kPage) {}

}  // namespace chapters
