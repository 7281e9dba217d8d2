#include "frame/PicturePage.h"

#include "frame/Photo.h"
#include "ui/Application.h"

namespace frame {

namespace {
FrameSpec pageFrame(const PicturePageSpec& s) {
    // Every page: tool window, button-face colour, "&Ende", invisible "ESC", status bar.
    return FrameSpec{.className = s.className, .caption = s.caption, .designPPI = kDesign120, .placement = s.pattern};
}
}  // namespace

PicturePage::PicturePage(ui::Application& app, const PicturePageSpec& spec)
    : TopicForm(app, pageFrame(spec)), spec_(spec) {
    Image1.setAlign(ui::Align::Client);
    Image1.stretch = spec_.stretch;
    Image1.cursor = ui::Cursor::HandPoint;
    Image1.setPicture(loadPhoto(spec_.photo));
    Image1.OnClick = [this] { Close(); };
    Image1.accessibleName = "Bild schließen";
}

ui::Form* PicturePage::opener() const {
    return spec_.opener ? application().findForm(spec_.opener) : nullptr;
}

void PicturePage::FormClose() {
    ui::Form* o = opener();
    if (!o) return;
    if (auto* owner = dynamic_cast<PageOwner*>(o)) {
        owner->pageClosed();
        return;
    }
    // Back to the horizontal middle; the top stays where it is. When the opener is
    // hidden (the page came from the overview) this only shows the next time it opens.
    o->setLeft(centredLeft(screenWidth(), o->width()));
}

void showPictureNotModal(ui::Form& opener, ui::Form& page) {
    opener.setLeft(0);
    page.Show();
}

void showBeside(ui::Form& opener, ui::Form& page) {
    const ui::Application& app = opener.application();
    if (app.screenWidth() >= 1200) {
        opener.setLeft(0);
        apply(page, photoPageBeside(app.screenWidth(), app.screenHeight()));
    }
    page.ShowModal();
}

void restorePhotoPage(ui::Form& page) {
    const ui::Application& app = page.application();
    apply(page, place(Pattern::PhotoPage, app.screenWidth(), app.screenHeight()));
}

}  // namespace frame
