// TFormREMEDX: EDX-Analyse
#pragma once

#include "frame/Photo.h"
#include "frame/TopicForm.h"

namespace chapters {

class TFormREMEDX : public frame::TopicForm {
public:
    static constexpr const char* kClassName = "TFormREMEDX";
    // the cast-iron micrograph
    static constexpr frame::PhotoSpec kPhotos[] = {
        {"TFormREMEDX.jpg", 600, 333},
    };
    explicit TFormREMEDX(ui::Application& app);
};

}  // namespace chapters
