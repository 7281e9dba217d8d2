#include "chapters/lm/FormLMCrNi3.h"

#include "chapters/lm/FormLMCrNi1.h"

namespace chapters {

namespace {
const frame::PicturePageSpec kPage{
    TFormLMCrNi3::kClassName,
    "Lichtmikroskopische Aufnahme: X10 CrNi 17 7, mit Chromcarbiden",
    770,
    462,
    false /* natural size */,
    frame::Pattern::PicturePage,
    TFormLMCrNi1::kClassName};
}  // namespace

TFormLMCrNi3::TFormLMCrNi3(ui::Application& app) : PicturePage(app, kPage) {}

}  // namespace chapters
