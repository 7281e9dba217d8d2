// TFormMakroEin: Makroskopie: Einleitung
#pragma once

#include "frame/TopicForm.h"

namespace chapters {

class TFormMakroEin : public frame::TopicForm {
public:
    static constexpr const char* kClassName = "TFormMakroEin";
    explicit TFormMakroEin(ui::Application& app);
};

}  // namespace chapters
