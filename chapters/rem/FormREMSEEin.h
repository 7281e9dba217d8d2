// TFormREMSEEin: Rasterelektronenmikroskopie: Sekundärelektronendetektor
#pragma once

#include "frame/TopicForm.h"

namespace chapters {

class TFormREMSEEin : public frame::TopicForm {
public:
    static constexpr const char* kClassName = "TFormREMSEEin";
    explicit TFormREMSEEin(ui::Application& app);
};

}  // namespace chapters
