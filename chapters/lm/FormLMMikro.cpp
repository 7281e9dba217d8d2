#include "chapters/lm/FormLMMikro.h"

#include "chapters/lm/FormLMEinrichtungen.h"

namespace chapters {

namespace {
const frame::PicturePageSpec kPage{
    TFormLMMikro::kClassName,
    "Lichtmikrosopische Einrichtung",
    1100,
    777,
    true /* stretched */,
    frame::Pattern::PhotoPage,
    TFormLMEinrichtungen::kClassName};
}  // namespace

TFormLMMikro::TFormLMMikro(ui::Application& app) : PicturePage(app, kPage) {}

}  // namespace chapters
