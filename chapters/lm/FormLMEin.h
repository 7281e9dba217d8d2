// TFormLMEin: Lichtmikroskopie: Möglichkeiten und Probenpräparation
#pragma once

#include "frame/TopicForm.h"

namespace chapters {

class TFormLMEin : public frame::TopicForm {
public:
    static constexpr const char* kClassName = "TFormLMEin";
    explicit TFormLMEin(ui::Application& app);
};

}  // namespace chapters
