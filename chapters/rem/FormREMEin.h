// TFormREMEin: Rasterelektronenmikroskopie: Einleitung
#pragma once

#include "frame/TopicForm.h"

namespace chapters {

class TFormREMEin : public frame::TopicForm {
public:
    static constexpr const char* kClassName = "TFormREMEin";
    explicit TFormREMEin(ui::Application& app);
};

}  // namespace chapters
