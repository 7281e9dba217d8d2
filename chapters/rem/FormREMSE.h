// TFormREMSE: Schema des Strahlengangs beim Sekundärelektronendetektor (SE-Detektor)
#pragma once

#include "frame/TopicForm.h"

namespace chapters {

class TFormREMSE : public frame::TopicForm {
public:
    static constexpr const char* kClassName = "TFormREMSE";
    explicit TFormREMSE(ui::Application& app);
};

}  // namespace chapters
