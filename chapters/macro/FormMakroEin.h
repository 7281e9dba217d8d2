// The introduction to macroscopy: a text page on what the naked eye, a magnifier and the
// stereo microscope show of fractures, cracks, pores and corroded surfaces.
#pragma once

#include "frame/TextPage.h"

namespace chapters {

class TFormMakroEin : public frame::TextPage {
public:
    static constexpr const char* kClassName = "TFormMakroEin";
    explicit TFormMakroEin(ui::Application& app);

    void FormCreate() override;
};

}  // namespace chapters
