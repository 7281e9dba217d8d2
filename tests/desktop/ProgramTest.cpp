// The whole program in the desktop backend: start-up shows the title window with its
// menu bar and status bar, every window names itself to a screen reader, and the title
// window's Esc key ends the program with status 0.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QStatusBar>
#include <QTimer>

#include "app/Program.h"
#include "desktop/QtBackend.h"
#include "tests/desktop/QtSupport.h"
#include "ui/Application.h"

namespace {

TEST(DesktopProgramInProcess, TitleWindowShowsAndEscEndsTheProgram) {
    desktop::testing::qtApp();
    ui::Application application(1024, 768);
    app::Program program(application);
    desktop::QtBackend backend(application);
    program.start();

    ui::Form& title = program.title();
    QMainWindow* w = backend.window(title);
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(w->windowType(), Qt::Tool);
    EXPECT_TRUE(w->menuBar()->isVisible());
    int visibleItems = 0;
    for (QAction* a : w->menuBar()->actions()) visibleItems += a->isVisible() ? 1 : 0;
    EXPECT_GE(visibleItems, 1);
    ASSERT_NE(title.statusBar(), nullptr);
    QLabel* label = w->statusBar()->findChild<QLabel*>();
    ASSERT_NE(label, nullptr);
    EXPECT_FALSE(label->text().isEmpty());
    EXPECT_EQ(backend.clientWidget(title)->size(),
              QSize(title.clientWidth(), title.clientHeight() - title.statusBarHeight()));
    // A window's client area tells a screen reader its caption and what it shows; a text
    // page's lines follow its description.
    ui::Form& page = *application.findForm("TFormREMEin");
    page.Show();
    for (ui::Form* f : {&title, &page}) {
        QWidget* client = backend.clientWidget(*f);
        ASSERT_NE(client, nullptr) << f->className();
        // As the accessibility bridge (AT-SPI, read by Orca) asks for it.
        QAccessibleInterface* ai = QAccessible::queryAccessibleInterface(client);
        ASSERT_NE(ai, nullptr) << f->className();
        EXPECT_EQ(ai->text(QAccessible::Name).toStdString(), f->caption()) << f->className();
        EXPECT_GE(ai->text(QAccessible::Description).size(), 150) << f->className();
    }
    const QString text = backend.clientWidget(page)->accessibleDescription();
    EXPECT_TRUE(text.contains("\nRasterelektronenmikroskopie: \nMit Hilfe des Rasterelektronenmikroskops")) << text.toStdString();
    page.Close();

    QTimer::singleShot(300, w, [w] {
        w->activateWindow();
        QTest::keyClick(w, Qt::Key_Escape);
    });
    QTimer::singleShot(8000, &backend, [&backend] { backend.quit(99); });
    EXPECT_EQ(backend.run(), 0);
}

}  // namespace
