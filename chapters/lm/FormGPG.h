// TFormGPG: Lichtmikroskopie: Gefügeeinstellung und Eigenschaften durch die Herstellungsbedingungen
#pragma once

#include "frame/TopicForm.h"

namespace chapters {

class TFormGPG : public frame::TopicForm {
public:
    static constexpr const char* kClassName = "TFormGPG";
    explicit TFormGPG(ui::Application& app);
};

}  // namespace chapters
