// The desktop program under a real X server (Xvfb), driven as a user drives it (XTest).
// On screens with more pixels per design pixel Qt scales every window by
// QT_SCALE_FACTOR: at factor 2 each design pixel must show as a uniform 2x2 block; at 1.5
// the picture may be smoothed, but nothing may be cut off; at both, a click must reach
// the design pixel shown under the pointer. From the keyboard, the letters of the menu
// bars behave as on the classic desktop.
#include <gtest/gtest.h>

#include <QProcess>
#include <QProcessEnvironment>
#include <QStandardPaths>
#include <QElapsedTimer>
#include <QThread>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "ui/Png.h"

// Xlib last: its macros (Bool, Status, None) would break the Qt headers.
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

#ifndef METALLO_BINARY
#error "METALLO_BINARY must name the built program"
#endif
#ifndef METALLO_PROBE
#error "METALLO_PROBE must name the probe program"
#endif

namespace {

// An Xvfb of the given size on a display number it picks itself (-displayfd: no race
// with other tests starting servers at the same time); `display` stays empty when none
// could be started (the test is skipped then).
class XServer {
public:
    XServer(int width, int height) {
        const QString xvfb = QStandardPaths::findExecutable("Xvfb");
        if (xvfb.isEmpty()) return;
        server_.start(xvfb, {"-displayfd", "1", "-screen", "0", QString("%1x%2x24").arg(width).arg(height),
                             "-nolisten", "tcp"});
        if (!server_.waitForStarted(5000)) return;
        QElapsedTimer t;
        t.start();
        while (!server_.canReadLine() && t.elapsed() < 10000) server_.waitForReadyRead(500);
        bool ok = false;
        const int number = server_.readLine().trimmed().toInt(&ok);
        if (!ok) return;
        const QString name = QString(":%1").arg(number);
        dpy_ = XOpenDisplay(name.toLatin1().constData());
        if (dpy_) display = name;
        // A window may go between listing and asking about it (a menu closing): Xlib's own
        // handler would end the test; the question just finds nothing.
        XSetErrorHandler([](Display*, XErrorEvent*) { return 0; });
    }
    ~XServer() {
        if (dpy_) XCloseDisplay(dpy_);
        server_.terminate();
        if (!server_.waitForFinished(3000)) server_.kill();
        server_.waitForFinished();
    }
    Display* dpy() const { return dpy_; }

    // The whole screen as 0xRRGGBB values, row by row.
    std::vector<uint32_t> grab(int& width, int& height) const {
        const Window root = DefaultRootWindow(dpy_);
        XWindowAttributes a;
        XGetWindowAttributes(dpy_, root, &a);
        width = a.width;
        height = a.height;
        XImage* img = XGetImage(dpy_, root, 0, 0, width, height, AllPlanes, ZPixmap);
        std::vector<uint32_t> out(static_cast<size_t>(width) * height);
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x) out[static_cast<size_t>(y) * width + x] = XGetPixel(img, x, y) & 0xFFFFFF;
        XDestroyImage(img);
        return out;
    }

    void click(int x, int y) const {
        XTestFakeMotionEvent(dpy_, DefaultScreen(dpy_), x, y, CurrentTime);
        XTestFakeButtonEvent(dpy_, 1, True, CurrentTime);
        XTestFakeButtonEvent(dpy_, 1, False, CurrentTime);
        XFlush(dpy_);
    }

    // Presses and releases a key (with Alt held when `alt` is set), at a user's pace.
    void key(KeySym sym, bool alt = false) const {
        const KeyCode altKey = XKeysymToKeycode(dpy_, XK_Alt_L), code = XKeysymToKeycode(dpy_, sym);
        if (alt) XTestFakeKeyEvent(dpy_, altKey, True, CurrentTime);
        XTestFakeKeyEvent(dpy_, code, True, CurrentTime);
        XTestFakeKeyEvent(dpy_, code, False, CurrentTime);
        if (alt) XTestFakeKeyEvent(dpy_, altKey, False, CurrentTime);
        XFlush(dpy_);
        QThread::msleep(100);
    }

    // The caption of a top-level window (no window manager: they are the root's children).
    std::string caption(Window w) const {
        Atom type;
        int format;
        unsigned long count, after;
        unsigned char* data = nullptr;
        std::string name;
        const Atom property = XInternAtom(dpy_, "_NET_WM_NAME", False);
        const Atom utf8 = XInternAtom(dpy_, "UTF8_STRING", False);
        const int got = XGetWindowProperty(dpy_, w, property, 0, 1024, False, utf8, &type, &format, &count, &after, &data);
        if (got == Success && data) {
            name.assign(reinterpret_cast<const char*>(data), count);
            XFree(data);
        }
        return name;
    }

    // Whether a top-level window with this caption is on the screen.
    bool shown(const std::string& wanted) const {
        Window root, parent, *children = nullptr;
        unsigned int n = 0;
        bool found = false;
        if (!XQueryTree(dpy_, DefaultRootWindow(dpy_), &root, &parent, &children, &n)) return false;
        for (unsigned int i = 0; i < n && !found; ++i) {
            XWindowAttributes a;
            found = XGetWindowAttributes(dpy_, children[i], &a) && a.map_state == IsViewable &&
                    caption(children[i]) == wanted;
        }
        if (children) XFree(children);
        return found;
    }

    // The caption of the top-level window that has the keyboard.
    std::string focused() const {
        Window w = 0;
        int revert = 0;
        XGetInputFocus(dpy_, &w, &revert);
        while (w != 0 && w != PointerRoot && w != DefaultRootWindow(dpy_)) {
            Window root, parent, *children = nullptr;
            unsigned int n = 0;
            if (!XQueryTree(dpy_, w, &root, &parent, &children, &n)) break;
            if (children) XFree(children);
            if (parent == root) return caption(w);
            w = parent;
        }
        return {};
    }

    template <class Pred>
    static bool waitFor(Pred done, int ms = 10000) {
        QElapsedTimer t;
        t.start();
        while (!done()) {
            if (t.elapsed() > ms) return false;
            QThread::msleep(50);
        }
        return true;
    }

    QString display;

private:
    QProcess server_;
    Display* dpy_ = nullptr;
};

struct Screen {
    int width = 0, height = 0;
    std::vector<uint32_t> pixels;
    uint32_t at(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
};

Screen grab(const XServer& x) {
    Screen s;
    s.pixels = x.grab(s.width, s.height);
    return s;
}

QProcessEnvironment environmentFor(const XServer& x, const char* factor) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove("WAYLAND_DISPLAY");
    env.remove("QT_QPA_PLATFORM");
    env.remove("QT_SCREEN_SCALE_FACTORS");
    env.insert("DISPLAY", x.display);
    env.insert("QT_SCALE_FACTOR", factor);
    return env;
}

// The probe (see probe/Probe.cpp): its client pixels are red = x, green = y, blue = 0xA5.
class ProbeRun {
public:
    ProbeRun(const XServer& x, const char* factor) {
        process_.setProcessEnvironment(environmentFor(x, factor));
        process_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process_.start(QStringLiteral(METALLO_PROBE), {});
        ready = process_.waitForStarted(5000) && nextLine(10000) == "ready";
    }
    ~ProbeRun() {
        process_.terminate();
        if (!process_.waitForFinished(3000)) process_.kill();
        process_.waitForFinished();
    }
    std::string nextLine(int ms = 3000) {
        QElapsedTimer t;
        t.start();
        while (!process_.canReadLine()) {
            if (t.elapsed() > ms || !process_.waitForReadyRead(ms)) {
                if (!process_.canReadLine()) return "(nothing)";
            }
        }
        return process_.readLine().trimmed().toStdString();
    }
    bool ready = false;

private:
    QProcess process_;
};

constexpr int kProbeWidth = 160, kProbeHeight = 120;

std::optional<std::pair<int, int>> designPixel(uint32_t rgb) {
    if ((rgb & 0xFF) != 0xA5) return std::nullopt;
    const int x = static_cast<int>(rgb >> 16), y = static_cast<int>((rgb >> 8) & 0xFF);
    if (x >= kProbeWidth || y >= kProbeHeight) return std::nullopt;
    return std::make_pair(x, y);
}

// The physical pixel that shows design pixel (0, 0): the first one in reading order.
std::optional<std::pair<int, int>> probeOrigin(const Screen& s) {
    for (int y = 0; y < s.height; ++y)
        for (int x = 0; x < s.width; ++x)
            if (s.at(x, y) == 0x0000A5) return std::make_pair(x, y);
    return std::nullopt;
}

std::string targetAt(int dx, int dy) {
    if (dy >= 30 && dy < 34 && dx >= 40 && dx < 52) return "click X" + std::to_string(dx - 40);
    if (dx >= 20 && dx < 24 && dy >= 40 && dy < 52) return "click Y" + std::to_string(dy - 40);
    return "click none";
}

// The first and the last screen row (or column) that show design row (column) `d`
// along screen column (row) `at`.
std::vector<int> edgesOf(const Screen& s, int d, bool row, int at) {
    std::vector<int> hits;
    const int n = row ? s.height : s.width;
    for (int i = 0; i < n; ++i) {
        const auto p = designPixel(row ? s.at(at, i) : s.at(i, at));
        if (p && (row ? p->second : p->first) == d) hits.push_back(i);
    }
    if (hits.size() > 1) hits.erase(hits.begin() + 1, hits.end() - 1);
    return hits;
}

// Clicks every screen pixel across both strips of targets and a design pixel beyond,
// along their edge rows and columns and the ones just outside, and compares what the
// probe reports with the design pixel the screen shows there.
void clickAcrossTheStrips(const XServer& x, ProbeRun& probe, const Screen& s) {
    const auto [ox, oy] = *probeOrigin(s);
    std::vector<std::pair<int, int>> points;
    for (int d : {29, 30, 33, 34})
        for (int py : edgesOf(s, d, true, ox + 1))
            for (int px = ox; px < s.width; ++px)
                if (auto p = designPixel(s.at(px, py)); p && p->first >= 39 && p->first <= 52) points.emplace_back(px, py);
    for (int d : {19, 20, 23, 24})
        for (int px : edgesOf(s, d, false, oy + 1))
            for (int py = oy; py < s.height; ++py)
                if (auto p = designPixel(s.at(px, py)); p && p->second >= 39 && p->second <= 52) points.emplace_back(px, py);
    ASSERT_GE(points.size(), 100u);
    int wrong = 0, clicks = 0;
    for (const auto& [px, py] : points) {
        const auto d = designPixel(s.at(px, py));
        if (!d) continue;  // a smoothed pixel between two design pixels shows neither exactly
        x.click(px, py);
        ++clicks;
        const std::string got = probe.nextLine();
        const std::string want = targetAt(d->first, d->second);
        if (got != want && ++wrong <= 8)
            ADD_FAILURE() << "click at screen pixel (" << px << ", " << py << ") showing design pixel (" << d->first
                          << ", " << d->second << "): " << got << ", expected " << want;
    }
    EXPECT_EQ(wrong, 0) << "of " << clicks << " clicks";
}

TEST(HiDpi, AtFactorTwoEveryDesignPixelIsATwoByTwoBlockAndClicksHitIt) {
    XServer x(800, 600);
    if (x.display.isEmpty()) GTEST_SKIP() << "no Xvfb";
    ProbeRun probe(x, "2");
    ASSERT_TRUE(probe.ready);
    const Screen s = grab(x);
    const auto origin = probeOrigin(s);
    ASSERT_TRUE(origin) << "the probe window is not on the screen";
    const auto [ox, oy] = *origin;
    ASSERT_LE(ox + 2 * kProbeWidth, s.width);
    ASSERT_LE(oy + 2 * kProbeHeight, s.height);
    // Every screen pixel of the client area shows design pixel (dx / 2, dy / 2): uniform
    // 2x2 blocks on a grid that starts at the client's corner, nothing shifted or missing.
    int wrong = 0;
    for (int py = oy; py < oy + 2 * kProbeHeight; ++py)
        for (int px = ox; px < ox + 2 * kProbeWidth; ++px) {
            const uint32_t want = static_cast<uint32_t>((px - ox) / 2) << 16 | static_cast<uint32_t>((py - oy) / 2) << 8 | 0xA5;
            if (s.at(px, py) != want && ++wrong <= 5)
                ADD_FAILURE() << "screen pixel (" << px << ", " << py << ") is " << std::hex << s.at(px, py)
                              << ", expected " << want;
        }
    EXPECT_EQ(wrong, 0);
    // The window sits at its design position (10, 10), doubled; outside it no pattern.
    EXPECT_FALSE(designPixel(s.at(ox + 2 * kProbeWidth, oy + 10)));
    EXPECT_FALSE(designPixel(s.at(ox + 10, oy + 2 * kProbeHeight)));
    clickAcrossTheStrips(x, probe, s);
}

TEST(HiDpi, AtFactorOneAndAHalfNothingIsCutOffAndClicksHitTheShownPixel) {
    XServer x(1200, 900);
    if (x.display.isEmpty()) GTEST_SKIP() << "no Xvfb";
    ProbeRun probe(x, "1.5");
    ASSERT_TRUE(probe.ready);
    const Screen s = grab(x);
    const auto origin = probeOrigin(s);
    ASSERT_TRUE(origin) << "the probe window is not on the screen";
    const auto [ox, oy] = *origin;
    // 160 x 120 design pixels take 240 x 180 screen pixels; the last row and column show
    // the last design pixels (give or take one where the picture is smoothed).
    const int w = 240, h = 180;
    ASSERT_LE(ox + w, s.width);
    ASSERT_LE(oy + h, s.height);
    auto near = [](std::optional<std::pair<int, int>> d, int x, int y) {
        return d && std::abs(d->first - x) <= 1 && std::abs(d->second - y) <= 1;
    };
    EXPECT_TRUE(near(designPixel(s.at(ox + w - 1, oy + h - 1)), kProbeWidth - 1, kProbeHeight - 1));
    EXPECT_TRUE(near(designPixel(s.at(ox + w - 1, oy)), kProbeWidth - 1, 0));
    EXPECT_TRUE(near(designPixel(s.at(ox, oy + h - 1)), 0, kProbeHeight - 1));
    EXPECT_FALSE(designPixel(s.at(ox + w, oy + h / 2)));
    EXPECT_FALSE(designPixel(s.at(ox + w / 2, oy + h)));
    // Every design column and row shows somewhere along the middle of the picture.
    std::set<int> columns, rows;
    for (int px = ox; px < ox + w; ++px)
        if (auto d = designPixel(s.at(px, oy + h / 2))) columns.insert(d->first);
    for (int py = oy; py < oy + h; ++py)
        if (auto d = designPixel(s.at(ox + w / 2, py))) rows.insert(d->second);
    EXPECT_EQ(columns.size(), static_cast<size_t>(kProbeWidth));
    EXPECT_EQ(rows.size(), static_cast<size_t>(kProbeHeight));
    clickAcrossTheStrips(x, probe, s);
}

// The program itself at factor 2: once the title animation has ended, the title
// window's client area is made of uniform 2x2 blocks.
TEST(HiDpi, TheTitleWindowAtFactorTwoShowsDoubledPixels) {
    XServer x(1600, 1200);
    if (x.display.isEmpty()) GTEST_SKIP() << "no Xvfb";
    QProcess program;
    program.setProcessEnvironment(environmentFor(x, "2"));
    program.start(QStringLiteral(METALLO_BINARY), {});
    ASSERT_TRUE(program.waitForStarted(5000));
    // Wait until the picture stands still: the animation has written the title.
    Screen s, before;
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < 20000) {
        QThread::msleep(500);
        s = grab(x);
        if (s.pixels == before.pixels && s.at(800, 560) != s.at(0, 1199)) break;
        before = s;
    }
    if (const char* dir = std::getenv("METALLO_HIDPI_SCREENSHOT")) {
        ui::raster::Bitmap b(s.width, s.height);
        for (size_t i = 0; i < s.pixels.size(); ++i) b.pixels[i] = 0xFF000000u | s.pixels[i];
        ui::savePng(b, dir);
    }
    program.terminate();
    if (!program.waitForFinished(3000)) program.kill();
    program.waitForFinished();
    ASSERT_EQ(s.pixels, before.pixels) << "the title window did not come to rest";
    // Well inside the client area (800 x 600 logical, menu bar above, status bar below).
    std::set<uint32_t> colours;
    int wrong = 0;
    for (int y = 200; y < 1000; y += 2)
        for (int x0 = 100; x0 < 1500; x0 += 2) {
            const uint32_t c = s.at(x0, y);
            colours.insert(c);
            if ((s.at(x0 + 1, y) != c || s.at(x0, y + 1) != c || s.at(x0 + 1, y + 1) != c) && ++wrong <= 5)
                ADD_FAILURE() << "the 2x2 block at (" << x0 << ", " << y << ") is not uniform";
        }
    EXPECT_EQ(wrong, 0);
    EXPECT_GT(colours.size(), 20u) << "the title picture is missing";
}

// The letters of the menu bars: Alt and a letter that several items of a bar
// share only moves the highlight from one to the next, and Enter chooses; a letter that
// only one item has chooses at once. (Qt's own bar opened the first item with the letter
// at once: the microanalysis chapter could not be reached, Alt+E closed the preparation
// overview instead of opening the mounting step.)
TEST(DesktopLetters, ASharedLetterMovesTheHighlightAndEnterChooses) {
    XServer x(1024, 768);
    if (x.display.isEmpty()) GTEST_SKIP() << "no Xvfb";
    QProcess program;
    program.setProcessEnvironment(environmentFor(x, "1"));
    program.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    program.start(QStringLiteral(METALLO_BINARY), {});
    ASSERT_TRUE(program.waitForStarted(5000));
    const std::string overview = "Untersuchungsverfahren in der Metallographie ";
    const std::string spectroscopy = "Mikrobereichsanalyse mittels Spektroskopie";
    const std::string steps =
        "Lichtmikroskopie: Präparationsschritte zur Herstellung eines metallographischen Schliffes";
    const std::string mounting = "Präparationsschritt: Einfassen";
    auto focusOn = [&x](const std::string& caption) {
        return XServer::waitFor([&] { return x.focused() == caption; });
    };
    ASSERT_TRUE(focusOn("Metallographie")) << "has the keyboard: '" << x.focused() << "'";
    // "&Programm starten" is the only P of the title window: chosen at once.
    x.key(XK_p, true);
    ASSERT_TRUE(focusOn(overview));
    // "&Makroskopie" and "&Mikrobereichsanalysen": Alt+M highlights the first, M the
    // second, Enter opens its menu with "Einleitung" highlighted, Enter chooses that.
    x.key(XK_m, true);
    x.key(XK_m);
    x.key(XK_Return);
    x.key(XK_Return);
    EXPECT_TRUE(focusOn(spectroscopy)) << "has the keyboard: '" << x.focused() << "'";
    x.key(XK_Escape);
    ASSERT_TRUE(focusOn(overview));
    // "&Lichtmikroskopie" (the only L) opens at once; its second entry is the overview of
    // the preparation steps.
    x.key(XK_l, true);
    x.key(XK_Down);
    x.key(XK_Return);
    ASSERT_TRUE(focusOn(steps));
    // "&Ende" and "&Einfassen": Alt+E only highlights "Ende", the window stays open; E
    // moves on to "Einfassen", Enter opens the mounting step beside it.
    x.key(XK_e, true);
    QThread::msleep(500);
    EXPECT_TRUE(x.shown(steps)) << "Alt+E closed the window";
    x.key(XK_e);
    x.key(XK_Return);
    EXPECT_TRUE(XServer::waitFor([&] { return x.shown(mounting); }));
    EXPECT_TRUE(x.shown(steps));
    program.terminate();
    if (!program.waitForFinished(3000)) program.kill();
    program.waitForFinished();
}

}  // namespace
