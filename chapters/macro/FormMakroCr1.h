// TFormMakroCr1: Belag auf einem ferritischen Chromstahl
#pragma once

#include "frame/TopicForm.h"

namespace chapters {

class TFormMakroCr1 : public frame::TopicForm {
public:
    static constexpr const char* kClassName = "TFormMakroCr1";
    explicit TFormMakroCr1(ui::Application& app);
    void FormCreate() override;
};

}  // namespace chapters
