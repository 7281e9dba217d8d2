// TFormAvTDuk: picture page "Rasterelektronenmikroskopische Aufnahme: Stahl S236 Duktiler Bruch (Wabenbruch)"
#pragma once

#include "frame/PicturePage.h"

namespace chapters {

class TFormAvTDuk : public frame::PicturePage {
public:
    static constexpr const char* kClassName = "TFormAvTDuk";
    explicit TFormAvTDuk(ui::Application& app);
};

}  // namespace chapters
