// TFormREMEDX: EDX-Analyse
#pragma once

#include "frame/TopicForm.h"

namespace chapters {

class TFormREMEDX : public frame::TopicForm {
public:
    static constexpr const char* kClassName = "TFormREMEDX";
    explicit TFormREMEDX(ui::Application& app);
    void FormCreate() override;
};

}  // namespace chapters
