// TFormLMCrNi1: Austenitischer Chrom-Nickel-Stahl
#pragma once

#include "frame/Photo.h"
#include "frame/TopicForm.h"

namespace chapters {

class TFormLMCrNi1 : public frame::TopicForm {
public:
    static constexpr const char* kClassName = "TFormLMCrNi1";
    // the two small pictures
    static constexpr frame::PhotoSpec kPhotos[] = {
        {"TFormLMCrNi1.Image1.jpg", 392, 235},
        {"TFormLMCrNi1.Image2.jpg", 392, 235},
    };
    explicit TFormLMCrNi1(ui::Application& app);
};

}  // namespace chapters
