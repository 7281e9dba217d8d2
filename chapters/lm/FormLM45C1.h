// The quenched-and-tempered carbon steel CK 45: the text on the left, two small light
// micrographs on the right (normalised, tempered) that open the large pages.
#pragma once

#include "frame/Photo.h"
#include "frame/TwoPictureWindow.h"

namespace chapters {

class TFormLM45C1 : public frame::TwoPictureWindow {
public:
    static constexpr const char* kClassName = "TFormLM45C1";
    // the two small pictures
    static constexpr frame::PhotoSpec kPhotos[] = {
        {"TFormLM45C1.Image1.jpg", 392, 235},
        {"TFormLM45C1.Image2.jpg", 392, 235},
    };
    explicit TFormLM45C1(ui::Application& app);
};

}  // namespace chapters
