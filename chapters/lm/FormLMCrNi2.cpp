#include "chapters/lm/FormLMCrNi2.h"

#include "chapters/lm/FormLMCrNi1.h"

namespace chapters {

namespace {
const frame::PicturePageSpec kPage{
    TFormLMCrNi2::kClassName,
    "Lichtmikroskopische Aufnahme: X10 CrNi 17 7",
    770,
    462,
    true /* stretched */,
    frame::Pattern::PicturePage,
    TFormLMCrNi1::kClassName};
}  // namespace

TFormLMCrNi2::TFormLMCrNi2(ui::Application& app) : PicturePage(app, kPage) {}

}  // namespace chapters
