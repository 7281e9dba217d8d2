// Resident memory of the desktop program: after start-up (the title window painted and
// its animation run), and after every other window has been shown and closed once.
//
//   metallo_memory [--screen BxH] [--settle MS]
//
// Prints "startup_rss_kb=N all_windows_rss_kb=N". Needs a display (Xvfb will do).
#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>

#include "app/Program.h"
#include "desktop/QtBackend.h"
#include "ui/Application.h"

namespace {

long residentKb() {
    std::ifstream in("/proc/self/status");
    std::string line;
    while (std::getline(in, line))
        if (line.rfind("VmRSS:", 0) == 0) return std::stol(line.substr(6));
    return -1;
}

void spin(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

}  // namespace

int main(int argc, char** argv) {
    int width = 1024, height = 768, settle = 300;
    for (int i = 1; i + 1 < argc; i += 2) {
        if (std::strcmp(argv[i], "--screen") == 0 && std::sscanf(argv[i + 1], "%dx%d", &width, &height) != 2) return 2;
        if (std::strcmp(argv[i], "--settle") == 0) settle = std::atoi(argv[i + 1]);
    }
    QApplication qt(argc, argv);
    ui::Application application(width, height);
    app::Program program(application);
    desktop::QtBackend backend(application);
    program.start();
    // The event loop runs the title animation; the windows are driven from inside it.
    long startup = 0, all = 0;
    QTimer::singleShot(0, [&] {
        spin(settle);
        startup = residentKb();
        for (ui::Form* f : application.forms()) {
            if (f == application.mainForm() || f->visible()) continue;
            f->Show();
            application.flush();
            spin(20);
            f->Close();
            application.flush();
            spin(5);
        }
        spin(settle);
        all = residentKb();
        application.mainForm()->Close();
    });
    const int status = backend.run();
    std::printf("startup_rss_kb=%ld all_windows_rss_kb=%ld\n", startup, all);
    return status;
}
