// The fields of application of microanalysis: a text page in a resizable window whose
// text stays where the window was laid out at start-up.
#pragma once

#include "frame/TextPage.h"

namespace chapters {

class TFormEDXAn : public frame::TextPage {
public:
    static constexpr const char* kClassName = "TFormEDXAn";
    explicit TFormEDXAn(ui::Application& app);

    void FormCreate() override;
};

}  // namespace chapters
