// TFormREMWechsel: Wechselwirkungen zwischen Primärelektronenstrahl und Probe
#pragma once

#include "frame/TopicForm.h"

namespace chapters {

class TFormREMWechsel : public frame::TopicForm {
public:
    static constexpr const char* kClassName = "TFormREMWechsel";
    explicit TFormREMWechsel(ui::Application& app);
};

}  // namespace chapters
