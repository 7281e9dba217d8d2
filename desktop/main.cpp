// metallographie: the teaching program on the desktop (or, with --export and
// --headless, without a display).
#include <QApplication>
#include <QRect>
#include <QScreen>
#include <QStringList>
#include <QtGlobal>
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <random>
#include <string>

#include "app/OpenPath.h"
#include "app/Program.h"
#include "desktop/Display.h"
#include "desktop/QtBackend.h"
#include "ui/Application.h"

#if defined(__SANITIZE_ADDRESS__)
// fontconfig and D-Bus (used by Qt) keep some memory until the process ends; not ours to report.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\nleak:libdbus-1.so\n"; }
#endif

namespace {

void printLine(std::FILE* out, const std::string& text) {
    std::fputs(text.c_str(), out);
    if (text.empty() || text.back() != '\n') std::fputc('\n', out);
}

// While Qt starts its platform, its messages are held back: if the platform cannot
// start, Qt ends with a fatal message (and would abort); the user gets one line and
// status 1 instead. Once Qt runs, what was held back is passed on as Qt would print it.
QtMessageHandler qtHandler = nullptr;
QStringList held;

void holdBack(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type == QtFatalMsg) {
        std::string platform = qgetenv("QT_QPA_PLATFORM").toStdString();
        platform.resize(std::min(platform.size(), platform.find(':')));
        printLine(stderr, "metallographie: die Anzeige lässt sich nicht öffnen (Qt-Plattform " +
                              (platform.empty() ? std::string("der Sitzung") : "\"" + app::shortened(platform) + "\"") +
                              " startet nicht); --export ORDNER arbeitet ohne Anzeige");
        std::fflush(stderr);
        std::_Exit(1);
    }
    held << qFormatLogMessage(type, context, message);
}

}  // namespace

int main(int argc, char** argv) {
    const app::Options options = app::parseCommandLine(argc, argv);
    switch (options.mode) {
        case app::Options::Mode::Help:
        case app::Options::Mode::Version:
            printLine(stdout, options.message);
            if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
                const int error = errno;
                printLine(stderr, "metallographie: die Standardausgabe lässt sich nicht schreiben: " +
                                      app::writeErrorGerman(error));
                return 1;
            }
            return options.status;
        case app::Options::Mode::Error:
            printLine(stderr, options.message);
            return options.status;
        case app::Options::Mode::Headless:
        case app::Options::Mode::Export:
            return app::runHeadless(options);
        case app::Options::Mode::Desktop:
            break;
    }

    auto check = std::make_unique<desktop::DisplayCheck>();
    if (!check->problem().empty()) {
        printLine(stderr, check->problem());
        return 1;
    }
    desktop::choosePlatform();
    qtHandler = qInstallMessageHandler(holdBack);
    QApplication qt(argc, argv);
    qInstallMessageHandler(qtHandler);
    for (const QString& m : held) printLine(stderr, m.toStdString());
    held.clear();
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
    app::Program program(application);
    desktop::QtBackend backend(application);
    program.keepProgressIn(options.stateDir.empty() ? app::Program::defaultProgressFolder() : options.stateDir);
    program.start();
    program.seedSelfTests(std::random_device{}());
    if (!options.open.empty())
        if (const std::string problem = app::openWindow(application, options.open); !problem.empty())
            printLine(stderr, problem);
    return backend.run();
}
