// The picture pages: one stored photograph filling the window, closed by a click on the
// picture, by Esc or by "&Ende". Every page re-centres the window it was opened from
// when it closes. The helpers below open pages the ways their openers do.
#pragma once

#include "frame/Layout.h"
#include "frame/Photo.h"
#include "frame/TopicForm.h"
#include "ui/Controls.h"

namespace frame {

struct PicturePageSpec {
    const char* className;
    const char* caption;
    PhotoSpec photo;
    bool stretch;     // scaled to the client area, else natural size from the top left
    Pattern pattern;  // Pattern::PicturePage (775 x 540) or Pattern::PhotoPage (by screen height)
    const char* opener;  // class name of the window the page belongs to
};

// An opener that does more than re-centre itself when one of its pages closes (the
// fracture chart repaints, re-centres and replays its curves): it does all of it here.
class PageOwner {
public:
    virtual void pageClosed() = 0;

protected:
    ~PageOwner() = default;
};

class PicturePage : public TopicForm {
public:
    PicturePage(ui::Application& app, const PicturePageSpec& spec);

    ui::Image Image1{*this, "Image1"};

    const PicturePageSpec& pageSpec() const { return spec_; }
    // The window this page belongs to (it exists once the program has created it).
    ui::Form* opener() const;

    void FormClose() override;

private:
    PicturePageSpec spec_;
};

// A picture page as a class of its own, made from its row of the page table.
template <const PicturePageSpec& S>
class PictureWindow : public PicturePage {
public:
    static constexpr const char* kClassName = S.className;
    static constexpr PhotoSpec kPhotos[] = {S.photo};
    explicit PictureWindow(ui::Application& app) : PicturePage(app, S) {}
};

// A small picture opens its large page: the opener moves to the left edge and the page
// is shown not modal at its own placement, so both stay usable.
void showPictureNotModal(ui::Form& opener, ui::Form& page);

// A menu item or picture of a topic window opens a photo page: on screens at least
// 1200 wide the opener moves to the left edge and the page stands 800 x 600 at the
// right; narrower screens keep the page's placement. The page is shown modally.
void showBeside(ui::Form& opener, ui::Form& page);

// Puts a photo page back to its full-height, centred placement (done by the openers'
// close handlers, so that the overview shows the page at full height again).
void restorePhotoPage(ui::Form& page);

}  // namespace frame
