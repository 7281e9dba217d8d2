#include "chapters/lm/FormLMLichtmikro.h"

#include "chapters/lm/FormLMEinrichtungen.h"

namespace chapters {

namespace {
const frame::PicturePageSpec kPage{
    TFormLMLichtmikro::kClassName,
    "Probe unter dem Lichtmikroskop",
    1100,
    777,
    true /* stretched */,
    frame::Pattern::PhotoPage,
    TFormLMEinrichtungen::kClassName};
}  // namespace

TFormLMLichtmikro::TFormLMLichtmikro(ui::Application& app) : PicturePage(app, kPage) {}

}  // namespace chapters
