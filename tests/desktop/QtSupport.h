// What the desktop tests share: one QApplication on Qt's offscreen platform, waiting
// for a condition while Qt runs its events.
#pragma once

#include <QApplication>
#include <QElapsedTimer>
#include <QTest>
#include <cstdlib>

namespace desktop::testing {

inline QApplication& qtApp() {
    static QApplication* app = [] {
        setenv("QT_QPA_PLATFORM", "offscreen", 0);
        static int argc = 1;
        static char name[] = "desktop_tests";
        static char* argv[] = {name, nullptr};
        return new QApplication(argc, argv);
    }();
    return *app;
}

// Runs Qt's events until `done()` holds or `ms` milliseconds have passed.
template <class Pred>
bool waitUntil(Pred done, int ms = 2000) {
    QElapsedTimer t;
    t.start();
    while (!done()) {
        if (t.elapsed() > ms) return false;
        QTest::qWait(5);
    }
    return true;
}

}  // namespace desktop::testing
