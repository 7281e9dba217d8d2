// The information window: a light-yellow panel with six lines about the program.
#pragma once

#include "frame/TopicForm.h"

namespace app {

class TFormInfo : public frame::TopicForm {
public:
    static constexpr const char* kClassName = "TFormInfo";
    explicit TFormInfo(ui::Application& app);

    // Layout
    ui::Panel PanelInfo{*this, "PanelInfo"};
    ui::Label Label2;
    ui::Label Label3;
    ui::Label Label1;
    ui::Label Label6;
    ui::Label Label4;
    ui::Label Label5;

    // Handlers
    void FormCreate() override;
};

}  // namespace app
