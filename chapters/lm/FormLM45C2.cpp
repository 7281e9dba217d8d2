#include "chapters/lm/FormLM45C2.h"

#include "chapters/lm/FormLM45C1.h"

namespace chapters {

namespace {
const frame::PicturePageSpec kPage{
    TFormLM45C2::kClassName,
    "Lichtmikroskopische Aufnahme: CK 45, Normalisiert",
    770,
    462,
    true /* stretched */,
    frame::Pattern::PicturePage,
    TFormLM45C1::kClassName};
}  // namespace

TFormLM45C2::TFormLM45C2(ui::Application& app) : PicturePage(app, kPage) {}

}  // namespace chapters
