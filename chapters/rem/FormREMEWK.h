// TFormREMEWK: Wechselwirkungen zwischen dem Elektronenstrahl und der Materie
#pragma once

#include "frame/TopicForm.h"

namespace chapters {

class TFormREMEWK : public frame::TopicForm {
public:
    static constexpr const char* kClassName = "TFormREMEWK";
    explicit TFormREMEWK(ui::Application& app);
};

}  // namespace chapters
