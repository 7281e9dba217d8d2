// metallographie: the teaching program on the desktop (or, with --export and
// --headless, without a display).
#include <QApplication>
#include <QRect>
#include <QScreen>
#include <cstdio>
#include <memory>
#include <string>

#include "desktop/Display.h"
#include "desktop/QtBackend.h"
#include "ui/Application.h"

#if METALLO_WITH_APP
#include "app/Program.h"
#else
#include "app/CommandLine.h"
#include "ui/Form.h"
#endif

#if defined(__SANITIZE_ADDRESS__)
// fontconfig and D-Bus (used by Qt) keep some memory until the process ends; not ours to report.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\nleak:libdbus-1.so\n"; }
#endif

namespace {

void printLine(std::FILE* out, const std::string& text) {
    std::fputs(text.c_str(), out);
    if (text.empty() || text.back() != '\n') std::fputc('\n', out);
}

#if !METALLO_WITH_APP
// TODO(lead): only while app/ does not build; main() uses app::Program as soon as the
// metallo_app target exists.
class StandInForm : public ui::Form {
public:
    explicit StandInForm(ui::Application& app) : ui::Form(app, "TFormHaupt", "Metallographie") {
        setBounds(40, 40, 500, 300);
    }
    ui::MainMenu menu1{*this};
    ui::MenuItem ende{menu1, "Ende1", "&Ende"};
    ui::MenuItem esc{menu1, "Esc1", "Esc", ui::ShortCut::Escape};
    ui::StatusBar status{*this, "StatusBar1", "ESC = Abbruch"};
    void FormCreate() override {
        esc.setVisible(false);
        ende.OnClick = [this] { Close(); };
        esc.OnClick = [this] { Close(); };
    }
    void FormPaint() override {
        canvas.brush.setColor(ui::clWhite);
        canvas.Rectangle(20, 20, clientWidth() - 20, clientHeight() - statusBarHeight() - 20);
        canvas.TextOut(30, 30, "Metallographie");
    }
};
#endif

}  // namespace

int main(int argc, char** argv) {
    const app::Options options = app::parseCommandLine(argc, argv);
    switch (options.mode) {
        case app::Options::Mode::Help:
        case app::Options::Mode::Version:
            printLine(stdout, options.message);
            return options.status;
        case app::Options::Mode::Error:
            printLine(stderr, options.message);
            return options.status;
        case app::Options::Mode::Headless:
        case app::Options::Mode::Export:
#if METALLO_WITH_APP
            return app::runHeadless(options);
#else
            printLine(stderr, "metallographie: diese Ausgabe ohne Anzeige fehlt in dieser Version");
            return 2;
#endif
        case app::Options::Mode::Desktop:
            break;
    }

    auto check = std::make_unique<desktop::DisplayCheck>();
    if (!check->problem().empty()) {
        printLine(stderr, check->problem());
        return 1;
    }
    desktop::choosePlatform();
    QApplication qt(argc, argv);
    check.reset();  // Qt holds its own connection now
    QApplication::setApplicationName(QStringLiteral("Metallographie"));
    QApplication::setApplicationVersion(QStringLiteral(METALLO_VERSION));

    int width = options.screenWidth, height = options.screenHeight;
    if (!options.hasScreen) {
        const QScreen* screen = QGuiApplication::primaryScreen();
        const QRect g = screen ? screen->geometry() : QRect(0, 0, 1024, 768);
        width = g.width();
        height = g.height();
    }
    ui::Application application(width, height);
#if METALLO_WITH_APP
    app::Program program(application);
    desktop::QtBackend backend(application);
    program.start();
#else
    desktop::QtBackend backend(application);
    StandInForm form(application);
    application.create(form);
    form.Show();
#endif
    return backend.run();
}
