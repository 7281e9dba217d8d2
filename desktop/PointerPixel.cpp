#include "desktop/PointerPixel.h"

#include <dlfcn.h>
#include <xcb/xcb.h>

#include <QGuiApplication>
#include <QWidget>
#include <QWindow>
#include <QtMath>
#include <cstdlib>
#include <optional>

namespace desktop {

namespace {

// The pointer in screen pixels relative to the top-level window of `w`, asked from the
// X server (libxcb is already loaded by Qt's xcb plugin; it is looked up, not linked).
std::optional<QPoint> pointerInWindow(const QWidget& w) {
    if (QGuiApplication::platformName() != QLatin1String("xcb")) return std::nullopt;
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    const QWidget* top = w.window();
    if (!x11 || !x11->connection() || !top || !top->windowHandle()) return std::nullopt;
    using Query = xcb_query_pointer_cookie_t (*)(xcb_connection_t*, xcb_window_t);
    using Reply = xcb_query_pointer_reply_t* (*)(xcb_connection_t*, xcb_query_pointer_cookie_t, xcb_generic_error_t**);
    static void* const lib = dlopen("libxcb.so.1", RTLD_NOW | RTLD_NOLOAD);
    static const auto query = lib ? reinterpret_cast<Query>(dlsym(lib, "xcb_query_pointer")) : nullptr;
    static const auto reply = lib ? reinterpret_cast<Reply>(dlsym(lib, "xcb_query_pointer_reply")) : nullptr;
    if (!query || !reply) return std::nullopt;
    xcb_connection_t* c = x11->connection();
    xcb_query_pointer_reply_t* r = reply(c, query(c, static_cast<xcb_window_t>(top->windowHandle()->winId())), nullptr);
    if (!r) return std::nullopt;
    const QPoint p(r->win_x, r->win_y);
    const bool sameScreen = r->same_screen;
    std::free(r);
    if (!sameScreen) return std::nullopt;
    return p;
}

// The form pixel drawn over the scaled position c (form pixels): Qt's scaled drawing
// gives a screen pixel whose centre falls exactly on the border of two form pixels to
// the upper or left one.
int pixelOf(qreal c) { return qCeil(c - 1e-6) - 1; }

}  // namespace

QPoint formPixelAt(const QWidget& client, const QPointF& pos, bool askServer) {
    const qreal ratio = client.devicePixelRatioF();
    // Screen pixel p is reported as p / ratio: its centre lies half a screen pixel further.
    const qreal half = 0.5 / ratio;
    const QPoint reported(pixelOf(pos.x() + half), pixelOf(pos.y() + half));
    if (askServer && ratio != 1.0) {
        if (const auto native = pointerInWindow(client)) {
            const QPointF origin = QPointF(client.mapTo(client.window(), QPoint(0, 0))) * ratio;
            const QPoint exact(pixelOf((native->x() + 0.5 - origin.x()) / ratio),
                               pixelOf((native->y() + 0.5 - origin.y()) / ratio));
            // Rounding moves a position by less than one pixel; a pointer that has
            // travelled further since the event keeps the event's own position.
            if (std::abs(exact.x() - reported.x()) <= 1 && std::abs(exact.y() - reported.y()) <= 1) return exact;
        }
    }
    return reported;
}

}  // namespace desktop
