// TFormAvTMisch: picture page "Rasterelektronenmikroskopische Aufnahme: Stahl S235 Mischbruch"
#pragma once

#include "frame/PicturePage.h"

namespace chapters {

class TFormAvTMisch : public frame::PicturePage {
public:
    static constexpr const char* kClassName = "TFormAvTMisch";
    explicit TFormAvTMisch(ui::Application& app);
};

}  // namespace chapters
