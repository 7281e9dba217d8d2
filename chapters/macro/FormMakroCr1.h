// TFormMakroCr1: Belag auf einem ferritischen Chromstahl
#pragma once

#include "frame/Photo.h"
#include "frame/TopicForm.h"

namespace chapters {

class TFormMakroCr1 : public frame::TopicForm {
public:
    static constexpr const char* kClassName = "TFormMakroCr1";
    // the two small pictures
    static constexpr frame::PhotoSpec kPhotos[] = {
        {"TFormMakroCr1.Image1.jpg", 392, 235},
        {"TFormMakroCr1.Image2.jpg", 392, 235},
    };
    explicit TFormMakroCr1(ui::Application& app);
};

}  // namespace chapters
