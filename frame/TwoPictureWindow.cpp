#include "frame/TwoPictureWindow.h"

#include "frame/PicturePage.h"
#include "ui/Application.h"

namespace frame {

namespace {
void smallPicture(ui::Image& image, const PhotoSpec& photo) {
    image.stretch = true;
    image.cursor = ui::Cursor::HandPoint;
    image.setPicture(loadPhoto(photo));
}
}  // namespace

TwoPictureWindow::TwoPictureWindow(ui::Application& app, const TwoPictureSpec& spec)
    : TextPage(app, spec.frame, TextX::Design, spec.lines),
      layout_(spec.layout),
      page1_(spec.page1),
      page2_(spec.page2) {
    PaintBoxHaupt.setAlign(ui::Align::Client);
    smallPicture(Image1, spec.photos[0]);
    smallPicture(Image2, spec.photos[1]);
    Image1.OnClick = [this] { Image1Click(); };
    Image2.OnClick = [this] { Image2Click(); };
}

void TwoPictureWindow::FormCreate() {
    placeBy(Pattern::UpTo1024Exclusive);
    Image1.setBounds(X(400), Y(layout_.top1), X(320), Y(layout_.height));
    Image2.setBounds(X(400), Y(layout_.top2), X(320), Y(layout_.height));
}

// A screen reader names each small picture by the page it opens.
void TwoPictureWindow::FormShow() {
    if (const ui::Form* page = page1()) Image1.accessibleName = "Vergrößern: " + page->caption();
    if (const ui::Form* page = page2()) Image2.accessibleName = "Vergrößern: " + page->caption();
}

ui::Form* TwoPictureWindow::page1() const { return application().findForm(page1_); }
ui::Form* TwoPictureWindow::page2() const { return application().findForm(page2_); }

void TwoPictureWindow::Image1Click() {
    if (ui::Form* page = page1()) showPictureNotModal(*this, *page);
}

void TwoPictureWindow::Image2Click() {
    if (ui::Form* page = page2()) showPictureNotModal(*this, *page);
}

void TwoPictureWindow::FormClose() { setLeft(centredLeft(screenWidth(), width())); }

}  // namespace frame
