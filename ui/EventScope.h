// Makes every event end with a paint flush, also when events nest (the application's
// own files only).
#pragma once

#include "ui/Application.h"

namespace ui {

struct EventScope {
    EventScope(Application& a, int& depth) : app(a), d(depth) { ++d; }
    ~EventScope() {
        if (--d == 0) app.flush();
    }
    EventScope(const EventScope&) = delete;
    EventScope& operator=(const EventScope&) = delete;
    Application& app;
    int& d;
};

}  // namespace ui
