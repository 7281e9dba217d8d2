// TFormLM45C1: Unlegierter Vergütungsstahl CK 45
#pragma once

#include "frame/Photo.h"
#include "frame/TopicForm.h"

namespace chapters {

class TFormLM45C1 : public frame::TopicForm {
public:
    static constexpr const char* kClassName = "TFormLM45C1";
    // the two small pictures
    static constexpr frame::PhotoSpec kPhotos[] = {
        {"TFormLM45C1.Image1.jpg", 392, 235},
        {"TFormLM45C1.Image2.jpg", 392, 235},
    };
    explicit TFormLM45C1(ui::Application& app);
};

}  // namespace chapters
