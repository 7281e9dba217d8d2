// TFormPPSchritte: Lichtmikroskopie: Präparationsschritte zur Herstellung eines metallographischen Schliffes
#pragma once

#include "frame/TopicForm.h"

namespace chapters {

class TFormPPSchritte : public frame::TopicForm {
public:
    static constexpr const char* kClassName = "TFormPPSchritte";
    explicit TFormPPSchritte(ui::Application& app);
};

}  // namespace chapters
