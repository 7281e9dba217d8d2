// TFormLM45C2: picture page "Lichtmikroskopische Aufnahme: CK 45, Normalisiert"
#pragma once

#include "frame/PicturePage.h"

namespace chapters {

class TFormLM45C2 : public frame::PicturePage {
public:
    static constexpr const char* kClassName = "TFormLM45C2";
    explicit TFormLM45C2(ui::Application& app);
};

}  // namespace chapters
