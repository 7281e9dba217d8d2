// Beam path and raster scan: a schematic scanning electron microscope whose red beam
// sweeps a small field of the sample line by line while the picture on the display is
// uncovered strip by strip in step with it.
#pragma once

#include <array>
#include <memory>

#include "frame/Photo.h"
#include "frame/TopicForm.h"
#include "ui/Controls.h"
#include "ui/Timer.h"

namespace chapters {

class TFormREMRaster : public frame::TopicForm {
public:
    static constexpr const char* kClassName = "TFormREMRaster";
    // the micrograph the scan uncovers
    static constexpr frame::PhotoSpec kPhotos[] = {
        {"TFormREMRaster.jpg", 360, 245},
    };
    static constexpr int kStrips = 10;
    explicit TFormREMRaster(ui::Application& app);

    // Layout (later components lie above earlier ones)
    ui::PaintBox PaintBoxHaupt{*this, "PaintBoxHaupt"};
    ui::Image ImageBild{*this, "ImageBild"};
    ui::PaintBox PaintBoxBeam{*this, "PaintBoxBeam"};
    std::array<std::unique_ptr<ui::Shape>, kStrips> ShapeBild;  // ShapeBild1 .. ShapeBild10
    ui::MenuItem& NeuStarten1 = item("NeuStarten1");
    ui::MenuItem& Neu1 = item("Neu1");
    ui::MenuItem& NeuZeichnen1 = item("NeuZeichnen1");
    ui::Timer TimerRast1{*this, "TimerRast1", 50, false};

    // Handlers
    void FormCreate() override;
    void FormClose() override;
    void PaintBoxHauptPaint();
    void TimerRast1Timer();
    void NeuStarten1Click();
    void Neu1Click();
    void NeuZeichnen1Click();

    // State
    int BeamOffsetX = 20;
    int BeamRowY = 416;
    int ScanLine = 1;
    int CoverWidth = 0;
    int FullCoverWidth = 0;
    int StripHeight = 0;

    ui::Shape& strip(int k) { return *ShapeBild[static_cast<size_t>(k - 1)]; }

private:
    void toggleBeam();
    void coverPicture();
    void resetScan();
};

}  // namespace chapters
