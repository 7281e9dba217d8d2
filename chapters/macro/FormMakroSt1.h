// TFormMakroSt1: Korrosion an einem unlegierten Stahl
#pragma once

#include "frame/TopicForm.h"

namespace chapters {

class TFormMakroSt1 : public frame::TopicForm {
public:
    static constexpr const char* kClassName = "TFormMakroSt1";
    explicit TFormMakroSt1(ui::Application& app);
    void FormCreate() override;
};

}  // namespace chapters
