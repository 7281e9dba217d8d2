// TFormLMSchema: Lichtmikroskopie: Schema des Strahlengangs in einem Auflichtmikroskop
#pragma once

#include "frame/TopicForm.h"

namespace chapters {

class TFormLMSchema : public frame::TopicForm {
public:
    static constexpr const char* kClassName = "TFormLMSchema";
    explicit TFormLMSchema(ui::Application& app);
};

}  // namespace chapters
