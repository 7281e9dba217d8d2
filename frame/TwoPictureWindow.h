// The two-picture window: a text panel filling the window with two small pictures at
// its right. A click on a small picture moves the window to the left screen edge and
// shows the large picture page beside it, not modal; closing the window puts it back
// in the horizontal middle. The equipment window shares the look with its own picture
// sizes and its own way of opening the pages.
#pragma once

#include <span>

#include "frame/Photo.h"
#include "frame/TextPage.h"
#include "ui/Controls.h"

namespace frame {

// Where the small pictures stand, in design units: left 400, width 320, both pictures
// of one height, at two tops.
struct SmallPictures {
    double top1;
    double top2;
    double height;
};
inline constexpr SmallPictures kCaseStudyPictures{50, 280, 200};
inline constexpr SmallPictures kEquipmentPictures{30, 280, 220};

struct TwoPictureSpec {
    FrameSpec frame;
    std::span<const TextLine> lines;  // x in design units
    std::span<const PhotoSpec, 2> photos;  // the small pictures
    SmallPictures layout = kCaseStudyPictures;
    const char* page1;  // class names of the large pages Image1 and Image2 open
    const char* page2;
};

class TwoPictureWindow : public TextPage {
public:
    TwoPictureWindow(ui::Application& app, const TwoPictureSpec& spec);

    ui::Image Image1{*this, "Image1"};
    ui::Image Image2{*this, "Image2"};

    void FormCreate() override;
    void FormShow() override;
    void FormClose() override;
    virtual void Image1Click();
    virtual void Image2Click();

    // The large pages (null only in a program without them).
    ui::Form* page1() const;
    ui::Form* page2() const;

private:
    SmallPictures layout_;
    const char* page1_;
    const char* page2_;
};

}  // namespace frame
