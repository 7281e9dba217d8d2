// The austenitic chromium-nickel steel under the light microscope: the text on the left,
// two small micrographs on the right (austenite grains, carbides) that open the large pages.
#pragma once

#include "frame/Photo.h"
#include "frame/TwoPictureWindow.h"

namespace chapters {

class TFormLMCrNi1 : public frame::TwoPictureWindow {
public:
    static constexpr const char* kClassName = "TFormLMCrNi1";
    // the two small pictures
    static constexpr frame::PhotoSpec kPhotos[] = {
        {"TFormLMCrNi1.Image1.jpg", 392, 235},
        {"TFormLMCrNi1.Image2.jpg", 392, 235},
    };
    explicit TFormLMCrNi1(ui::Application& app);
};

}  // namespace chapters
