// TFormREMCHA2: Charakteristische Röntgenstrahlen
#pragma once

#include "frame/TopicForm.h"

namespace chapters {

class TFormREMCHA2 : public frame::TopicForm {
public:
    static constexpr const char* kClassName = "TFormREMCHA2";
    explicit TFormREMCHA2(ui::Application& app);
};

}  // namespace chapters
