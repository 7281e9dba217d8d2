// Pictures with the stereo microscope: a text page on close-ups and stereo-microscope
// photographs whose menu shows the stereo microscope beside the page on wide screens.
#pragma once

#include "frame/TextPage.h"

namespace chapters {

class TFormMakroAuf : public frame::TextPage {
public:
    static constexpr const char* kClassName = "TFormMakroAuf";
    explicit TFormMakroAuf(ui::Application& app);

    ui::MenuItem& Stereomokroskop1 = item("Stereomokroskop1");

    void FormCreate() override;
    void FormClose() override;
    void Stereomokroskop1Click();
};

}  // namespace chapters
