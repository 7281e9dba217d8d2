// TFormPKontrast: Präparationsschritt: Kontrastierung. A photograph of the polished sample
// above a beaker of etchant; "&Anätzen" puts the sample into the etchant and shows the
// etched microstructure beside the first photograph.
#pragma once

#include "frame/Photo.h"
#include "frame/TopicForm.h"
#include "ui/Controls.h"

namespace chapters {

class TFormPKontrast : public frame::TopicForm {
public:
    static constexpr const char* kClassName = "TFormPKontrast";
    // the polished and the etched sample
    static constexpr frame::PhotoSpec kPhotos[] = {
        {"TFormPKontrast.ImagePol.jpg", 200, 150},
        {"TFormPKontrast.ImageAet.jpg", 200, 150},
    };
    explicit TFormPKontrast(ui::Application& app);

    // Layout (the photographs lie above the figure)
    ui::PaintBox PaintBoxHaupt{*this, "PaintBoxHaupt"};
    ui::Image ImagePol{*this, "ImagePol"};
    ui::Image ImageAet{*this, "ImageAet"};
    ui::MenuItem& start = item("start");
    ui::MenuItem& NZ = item("NZ");

    // Handlers
    void FormCreate() override;
    void FormShow() override;
    void FormClose() override;
    void PaintBoxHauptPaint();
    void startClick();
    void NZClick();

    // State
    int Etched = 0;  // 1: the sample hangs in the etchant

private:
    void unetch();
};

}  // namespace chapters
