// TFormLM45C3: picture page "Lichtmikroskopische Aufnahme: CK 45, Vergütet"
#pragma once

#include "frame/PicturePage.h"

namespace chapters {

class TFormLM45C3 : public frame::PicturePage {
public:
    static constexpr const char* kClassName = "TFormLM45C3";
    explicit TFormLM45C3(ui::Application& app);
};

}  // namespace chapters
