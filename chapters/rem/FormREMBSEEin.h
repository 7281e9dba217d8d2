// TFormREMBSEEin: Rasterelektronenmikroskopie: Rückstreuelektronendetektor
#pragma once

#include "frame/TopicForm.h"

namespace chapters {

class TFormREMBSEEin : public frame::TopicForm {
public:
    static constexpr const char* kClassName = "TFormREMBSEEin";
    explicit TFormREMBSEEin(ui::Application& app);
};

}  // namespace chapters
