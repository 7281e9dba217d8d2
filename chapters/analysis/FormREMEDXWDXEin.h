// TFormREMEDXWDXEin: Mikrobereichsanalyse mittels Spektroskopie
#pragma once

#include "frame/TopicForm.h"

namespace chapters {

class TFormREMEDXWDXEin : public frame::TopicForm {
public:
    static constexpr const char* kClassName = "TFormREMEDXWDXEin";
    explicit TFormREMEDXWDXEin(ui::Application& app);
};

}  // namespace chapters
