// TFormPTrennen: Präparationsschritt: Trennen
#pragma once

#include "frame/TopicForm.h"

namespace chapters {

class TFormPTrennen : public frame::TopicForm {
public:
    static constexpr const char* kClassName = "TFormPTrennen";
    explicit TFormPTrennen(ui::Application& app);
};

}  // namespace chapters
