// TFormEWELLENL: Wellenlängenbereiche
#pragma once

#include "frame/TopicForm.h"

namespace chapters {

class TFormEWELLENL : public frame::TopicForm {
public:
    static constexpr const char* kClassName = "TFormEWELLENL";
    explicit TFormEWELLENL(ui::Application& app);
};

}  // namespace chapters
