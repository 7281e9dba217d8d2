// hidpi_probe: one window of the desktop backend whose client pixels name their own
// design coordinate (red = x, green = y, blue = 0xA5), with two strips of click targets
// one design pixel wide. Every click prints one line, "click NAME", on standard output:
// X0..X11 lie at x = 40..51 (y 30..33), Y0..Y11 at y = 40..51 (x 20..23), and
// "none" is the pattern around them. Prints "ready" once the window is up.
#include <QApplication>
#include <QScreen>
#include <QTimer>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "desktop/Display.h"
#include "desktop/QtBackend.h"
#include "ui/Application.h"
#include "ui/Controls.h"
#include "ui/Form.h"

namespace {

constexpr int kClientWidth = 160;
constexpr int kClientHeight = 120;

void report(const std::string& what) {
    std::printf("%s\n", what.c_str());
    std::fflush(stdout);
}

// Takes clicks, draws nothing: the pattern below stays visible.
class ClickTarget : public ui::Control {
public:
    using ui::Control::Control;
    void paint(const ui::Rect&) override {}
};

class TFormProbe : public ui::Form {
public:
    explicit TFormProbe(ui::Application& app) : ui::Form(app, "TFormProbe", "HiDPI-Probe"), Muster(*this, "Muster") {
        Muster.setAlign(ui::Align::Client);
        Muster.OnPaint = [this] { Muster.canvas.Draw(0, 0, pattern_); };
        Muster.OnClick = [] { report("click none"); };
        for (int i = 0; i < 12; ++i) {
            auto& x = targets_.emplace_back(std::make_unique<ClickTarget>(*this, "X" + std::to_string(i)));
            x->setBounds(40 + i, 30, 1, 4);
            x->OnClick = [name = x->name()] { report("click " + name); };
            auto& y = targets_.emplace_back(std::make_unique<ClickTarget>(*this, "Y" + std::to_string(i)));
            y->setBounds(20, 40 + i, 4, 1);
            y->OnClick = [name = y->name()] { report("click " + name); };
        }
        pattern_ = ui::raster::Bitmap(kClientWidth, kClientHeight);
        for (int y = 0; y < kClientHeight; ++y)
            for (int x = 0; x < kClientWidth; ++x)
                pattern_.at(x, y) = 0xFF0000A5u | static_cast<uint32_t>(x) << 16 | static_cast<uint32_t>(y) << 8;
    }

    void FormCreate() override {
        setLeft(10);
        setTop(10);
        setClientSize(kClientWidth, kClientHeight);
    }

    ui::PaintBox Muster;

private:
    std::vector<std::unique_ptr<ClickTarget>> targets_;
    ui::raster::Bitmap pattern_;
};

}  // namespace

int main(int argc, char** argv) {
    desktop::choosePlatform();
    QApplication qt(argc, argv);
    const QSize screen = QGuiApplication::primaryScreen()->geometry().size();
    ui::Application application(screen.width(), screen.height());
    TFormProbe probe(application);
    application.create(probe);
    desktop::QtBackend backend(application);
    probe.Show();
    QTimer::singleShot(300, [] { report("ready"); });
    return backend.run();
}
