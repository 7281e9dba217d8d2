// TFormAvTSpa: picture page "Rasterelektronenmikroskopische Aufnahme: Stahl S236 Spaltbruch"
#pragma once

#include "frame/PicturePage.h"

namespace chapters {

class TFormAvTSpa : public frame::PicturePage {
public:
    static constexpr const char* kClassName = "TFormAvTSpa";
    explicit TFormAvTSpa(ui::Application& app);
};

}  // namespace chapters
