// The program without a display: a virtual screen and clock, events injected by name
// or position, and pictures of one form or of the whole screen.
#pragma once

#include <string>

#include "ui/Application.h"
#include "ui/Backend.h"
#include "ui/raster/Raster.h"

namespace ui::headless {

enum class MenuResult { Done, NoSuchItem, Invisible, Disabled, FormHidden, FormDisabled };
const char* describe(MenuResult r);

class HeadlessBackend : public Backend {
public:
    explicit HeadlessBackend(Application& app);
    ~HeadlessBackend() override;

    Application& app() { return app_; }

    // Lets `ms` milliseconds of virtual time pass; due timers fire in time order.
    void advance(int64_t ms);
    // Chooses the menu item with that component name, as a user would.
    MenuResult clickMenu(Form& f, const std::string& itemName);
    bool pressEscape(Form& f);
    bool click(Form& f, int x, int y);
    void activate(Form& f);

    // The client area as the user sees it (the status bar drawn along its bottom).
    raster::Bitmap captureForm(const Form& f) const;
    // Every visible form in z-order with its caption bar, menu bar and status bar.
    raster::Bitmap captureScreen() const;

    bool quitRequested() const { return quit_; }
    int quitStatus() const { return status_; }
    void quit(int status) override {
        quit_ = true;
        status_ = status;
    }

private:
    Application& app_;
    bool quit_ = false;
    int status_ = 0;
};

// Draws a form with its frame (caption, menu bar, client pixels, status bar) at its
// position on the screen bitmap.
void drawFormFrame(raster::Bitmap& screen, const Form& f, bool active);
// Draws the status bar of a form into a bitmap of its client size.
void drawStatusBar(raster::Bitmap& client, const Form& f);
// The ring of a focused clickable picture, over the client pixels.
void drawFocusRing(raster::Bitmap& client, const Form& f);

}  // namespace ui::headless
