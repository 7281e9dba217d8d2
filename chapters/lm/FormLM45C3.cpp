#include "chapters/lm/FormLM45C3.h"

#include "chapters/lm/FormLM45C1.h"

namespace chapters {

namespace {
const frame::PicturePageSpec kPage{
    TFormLM45C3::kClassName,
    "Lichtmikroskopische Aufnahme: CK 45, Vergütet",
    770,
    462,
    true /* stretched */,
    frame::Pattern::PicturePage,
    TFormLM45C1::kClassName};
}  // namespace

TFormLM45C3::TFormLM45C3(ui::Application& app) : PicturePage(app, kPage) {}

}  // namespace chapters
