// TFormREMCrNi1: Austenitischer Chrom-Nickel-Stahl
#pragma once

#include "frame/Photo.h"
#include "frame/TopicForm.h"

namespace chapters {

class TFormREMCrNi1 : public frame::TopicForm {
public:
    static constexpr const char* kClassName = "TFormREMCrNi1";
    // the two small pictures
    static constexpr frame::PhotoSpec kPhotos[] = {
        {"TFormREMCrNi1.Image1.jpg", 392, 235},
        {"TFormREMCrNi1.Image2.jpg", 392, 235},
    };
    explicit TFormREMCrNi1(ui::Application& app);
};

}  // namespace chapters
