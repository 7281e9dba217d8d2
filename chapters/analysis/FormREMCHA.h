// TFormREMCHA: Charakteristische Röntgenstrahlen: Schematische Darstellung der Ionisation eines Probenatoms
#pragma once

#include "frame/TopicForm.h"

namespace chapters {

class TFormREMCHA : public frame::TopicForm {
public:
    static constexpr const char* kClassName = "TFormREMCHA";
    explicit TFormREMCHA(ui::Application& app);
};

}  // namespace chapters
