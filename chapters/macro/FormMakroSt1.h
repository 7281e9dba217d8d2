// TFormMakroSt1: Korrosion an einem unlegierten Stahl
#pragma once

#include "frame/Photo.h"
#include "frame/TopicForm.h"

namespace chapters {

class TFormMakroSt1 : public frame::TopicForm {
public:
    static constexpr const char* kClassName = "TFormMakroSt1";
    // the two small pictures
    static constexpr frame::PhotoSpec kPhotos[] = {
        {"TFormMakroSt1.Image1.jpg", 392, 235},
        {"TFormMakroSt1.Image2.jpg", 392, 235},
    };
    explicit TFormMakroSt1(ui::Application& app);
};

}  // namespace chapters
