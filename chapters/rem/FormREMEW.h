// TFormREMEW: Wechselwirkungen zwischen dem Elektronenstrahl und der Materie
#pragma once

#include "frame/TopicForm.h"

namespace chapters {

class TFormREMEW : public frame::TopicForm {
public:
    static constexpr const char* kClassName = "TFormREMEW";
    explicit TFormREMEW(ui::Application& app);
};

}  // namespace chapters
