// TFormLM45C1: Unlegierter Vergütungsstahl CK 45
#pragma once

#include "frame/TopicForm.h"

namespace chapters {

class TFormLM45C1 : public frame::TopicForm {
public:
    static constexpr const char* kClassName = "TFormLM45C1";
    explicit TFormLM45C1(ui::Application& app);
    void FormCreate() override;
};

}  // namespace chapters
