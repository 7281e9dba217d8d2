// The light-microscopy workplace: the look of a two-picture window with two photographs
// that show the workplace and a sample under the objectives modally, beside the window
// on wide screens; closing the window puts both pages back to full height.
#pragma once

#include "frame/Photo.h"
#include "frame/TwoPictureWindow.h"

namespace chapters {

class TFormLMEinrichtungen : public frame::TwoPictureWindow {
public:
    static constexpr const char* kClassName = "TFormLMEinrichtungen";
    // the two small pictures
    static constexpr frame::PhotoSpec kPhotos[] = {
        {"TFormLMEinrichtungen.Image1.jpg", 400, 300},
        {"TFormLMEinrichtungen.Image2.jpg", 400, 300},
    };
    explicit TFormLMEinrichtungen(ui::Application& app);

    void FormClose() override;
    void Image1Click() override;
    void Image2Click() override;
};

}  // namespace chapters
