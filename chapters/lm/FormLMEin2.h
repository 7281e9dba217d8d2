// TFormLMEin2: Lichtmikroskopie: Grenzen der Lichtmikroskopie
#pragma once

#include "frame/TopicForm.h"

namespace chapters {

class TFormLMEin2 : public frame::TopicForm {
public:
    static constexpr const char* kClassName = "TFormLMEin2";
    explicit TFormLMEin2(ui::Application& app);
};

}  // namespace chapters
