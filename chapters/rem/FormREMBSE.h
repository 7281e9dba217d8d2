// TFormREMBSE: Schema des Strahlengangs beim Rückstreuelektronendetektor (BSE-Detektor)
#pragma once

#include "frame/TopicForm.h"

namespace chapters {

class TFormREMBSE : public frame::TopicForm {
public:
    static constexpr const char* kClassName = "TFormREMBSE";
    explicit TFormREMBSE(ui::Application& app);
};

}  // namespace chapters
