// The desktop backend in this process on Qt's offscreen platform: forms become real
// windows, and what the user does there reaches the forms.
#include <gtest/gtest.h>

#include <QAction>
#include <QImage>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPixmap>
#include <QScreen>
#include <QStatusBar>
#include <QTimer>
#include <memory>

#include "desktop/QtBackend.h"
#include "tests/desktop/QtSupport.h"
#include "ui/Application.h"
#include "ui/Controls.h"
#include "ui/Form.h"
#include "ui/Menu.h"
#include "ui/Timer.h"

namespace {

using desktop::testing::qtApp;
using desktop::testing::waitUntil;

constexpr ui::TColor kPaintColour = ui::clRed;

class TestForm : public ui::Form {
public:
    TestForm(ui::Application& app, std::string className, std::string caption, int left, int top)
        : ui::Form(app, std::move(className), std::move(caption)) {
        setBounds(left, top, 320, 240);
    }

    ui::MainMenu menu1{*this};
    ui::MenuItem ende{menu1, "Ende1", "&Ende"};
    ui::MenuItem datei{menu1, "Datei1", "&Datei"};
    ui::MenuItem neu{datei, "Neu1", "&Neu"};
    ui::MenuItem esc{menu1, "Esc1", "ESC", ui::ShortCut::Escape};
    ui::StatusBar status{*this, "StatusBar1", "ESC = Abbruch"};
    ui::Timer timer{*this, "Timer1", 20, false};
    ui::Shape knopf{*this, "Knopf"};

    int endeClicks = 0, neuClicks = 0, escPresses = 0, ticks = 0, knopfClicks = 0, activations = 0;

    void FormCreate() override {
        esc.setVisible(false);
        knopf.setBounds(100, 100, 40, 30);
        knopf.cursor = ui::Cursor::HandPoint;
        knopf.OnClick = [this] { ++knopfClicks; };
        ende.OnClick = [this] { ++endeClicks; };
        neu.OnClick = [this] { ++neuClicks; };
        esc.OnClick = [this] { ++escPresses; };
        timer.OnTimer = [this] { ++ticks; };
    }
    void FormPaint() override {
        canvas.pen.color = kPaintColour;
        canvas.brush.setColor(kPaintColour);
        canvas.Rectangle(10, 10, 50, 50);
    }
    void FormActivate() override { ++activations; }
};

class DesktopBackend : public ::testing::Test {
protected:
    DesktopBackend() {
        qtApp();
        backend = std::make_unique<desktop::QtBackend>(app);
        app.create(main);
        app.create(second);
    }

    // Shows the main form and waits until its window is the active one.
    QMainWindow* showMain() {
        main.Show();
        QMainWindow* w = backend->window(main);
        if (w) {
            EXPECT_TRUE(QTest::qWaitForWindowActive(w));
        }
        return w;
    }

    QAction* barAction(QMainWindow* w, const QString& text) {
        for (QAction* a : w->menuBar()->actions())
            if (a->text() == text) return a;
        return nullptr;
    }

    ui::Application app{1024, 768};
    TestForm main{app, "TFormTest", "Prüfung – Hauptfenster", 30, 40};
    TestForm second{app, "TFormZwei", "Zweites Fenster", 200, 150};
    std::unique_ptr<desktop::QtBackend> backend;
};

TEST_F(DesktopBackend, ShowsFormAsToolWindowWithCaptionMenuBarStatusBarAndClientSize) {
    EXPECT_EQ(backend->window(main), nullptr) << "no window before the form is shown";
    QMainWindow* w = showMain();
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(w->windowTitle(), QString::fromUtf8("Prüfung – Hauptfenster"));
    EXPECT_EQ(w->windowType(), Qt::Tool);
    EXPECT_TRUE(w->windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_EQ(w->parentWidget(), nullptr);
    EXPECT_EQ(w->frameGeometry().topLeft(), QPoint(30, 40));

    // Menu bar: a plain action, a submenu; the Esc item is there but invisible.
    ASSERT_TRUE(w->menuBar()->isVisible());
    QAction* ende = barAction(w, "&Ende");
    QAction* datei = barAction(w, "&Datei");
    QAction* esc = barAction(w, "ESC");
    ASSERT_TRUE(ende && datei && esc);
    EXPECT_EQ(ende->menu(), nullptr);
    ASSERT_NE(datei->menu(), nullptr);
    ASSERT_EQ(datei->menu()->actions().size(), 1);
    EXPECT_EQ(datei->menu()->actions()[0]->text(), "&Neu");
    EXPECT_TRUE(ende->isVisible());
    EXPECT_FALSE(esc->isVisible());

    ASSERT_NE(w->statusBar(), nullptr);
    EXPECT_TRUE(w->statusBar()->isVisible());
    EXPECT_EQ(w->statusBar()->height(), ui::kStatusBarHeight);
    QLabel* label = w->statusBar()->findChild<QLabel*>();
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->text(), "ESC = Abbruch");

    // The client widget is exactly the form's client area above the status bar.
    QWidget* client = backend->clientWidget(main);
    ASSERT_NE(client, nullptr);
    EXPECT_EQ(client->size(), QSize(main.clientWidth(), main.clientHeight() - ui::kStatusBarHeight));
    EXPECT_EQ(w->minimumSize(), w->maximumSize()) << "the form sets the size, not the user";
    // Menu bar, client and status bar fill the window without a gap.
    EXPECT_EQ(client->geometry().top(), w->menuBar()->geometry().bottom() + 1);
    EXPECT_EQ(w->statusBar()->geometry().top(), client->geometry().bottom() + 1);
    EXPECT_EQ(w->statusBar()->geometry().bottom() + 1, w->height());
    EXPECT_EQ(client->width(), w->width());
}

TEST_F(DesktopBackend, FollowsCaptionStatusGeometryAndMenuChanges) {
    QMainWindow* w = showMain();
    ASSERT_NE(w, nullptr);
    QWidget* client = backend->clientWidget(main);

    main.setCaption("Neuer Titel");
    EXPECT_EQ(w->windowTitle(), "Neuer Titel");

    main.status.setText("Größe ändern");
    main.status.font.bold = true;
    main.status.font.color = ui::clBlue;
    main.status.changed();
    QLabel* label = w->statusBar()->findChild<QLabel*>();
    EXPECT_EQ(label->text(), QString::fromUtf8("Größe ändern"));
    EXPECT_TRUE(label->font().bold());
    EXPECT_EQ(label->palette().color(QPalette::WindowText), QColor(0, 0, 255));

    main.setBounds(60, 70, 400, 300);
    EXPECT_EQ(client->size(), QSize(400 - 2 * ui::kBorderWidth, main.clientHeight() - ui::kStatusBarHeight));
    EXPECT_TRUE(waitUntil([&] { return w->frameGeometry().topLeft() == QPoint(60, 70); }));

    main.ende.setCaption("&Schluss");
    main.neu.setEnabled(false);
    EXPECT_NE(barAction(w, "&Schluss"), nullptr);
    EXPECT_FALSE(barAction(w, "&Datei")->menu()->actions()[0]->isEnabled());

    // Without a visible item there is no menu bar, and the client area grows by its height.
    const int before = main.clientHeight();
    main.ende.setVisible(false);
    main.datei.setVisible(false);
    EXPECT_EQ(main.clientHeight(), before + ui::kMenuBarHeight);
    EXPECT_FALSE(w->menuBar()->isVisibleTo(w));
    EXPECT_EQ(client->size(), QSize(main.clientWidth(), main.clientHeight() - ui::kStatusBarHeight));
    main.ende.setVisible(true);
    EXPECT_TRUE(w->menuBar()->isVisibleTo(w));
    EXPECT_EQ(client->size(), QSize(main.clientWidth(), main.clientHeight() - ui::kStatusBarHeight));
}

TEST_F(DesktopBackend, MenuActionsReachTheirHandlersOnlyWhileEnabled) {
    QMainWindow* w = showMain();
    ASSERT_NE(w, nullptr);
    barAction(w, "&Ende")->trigger();
    EXPECT_EQ(main.endeClicks, 1);
    barAction(w, "&Datei")->menu()->actions()[0]->trigger();
    EXPECT_EQ(main.neuClicks, 1);

    main.ende.setEnabled(false);
    QAction* ende = barAction(w, "&Ende");
    EXPECT_FALSE(ende->isEnabled());
    ende->trigger();
    EXPECT_EQ(main.endeClicks, 1);
}

TEST_F(DesktopBackend, EscapeKeyReachesTheInvisibleEscItem) {
    QMainWindow* w = showMain();
    ASSERT_NE(w, nullptr);
    QTest::keyClick(w, Qt::Key_Escape);
    EXPECT_EQ(main.escPresses, 1);
    QTest::keyClick(backend->clientWidget(main), Qt::Key_Escape);
    EXPECT_EQ(main.escPresses, 2);

    // A disabled Esc item takes no key.
    main.esc.setEnabled(false);
    QTest::keyClick(w, Qt::Key_Escape);
    EXPECT_EQ(main.escPresses, 2);
    main.esc.setEnabled(true);
    QTest::keyClick(w, Qt::Key_Escape);
    EXPECT_EQ(main.escPresses, 3);
}

TEST_F(DesktopBackend, TimerTicksAtItsPaceInRealTime) {
    showMain();
    QElapsedTimer clock;
    clock.start();
    main.timer.setEnabled(true);
    ASSERT_TRUE(waitUntil([&] { return main.ticks >= 5; }, 3000)) << "ticks after three seconds: " << main.ticks;
    // Five ticks of 20 ms cannot come sooner than 100 ms.
    EXPECT_GE(clock.elapsed(), 95);
    main.timer.setEnabled(false);
    const int stopped = main.ticks;
    QTest::qWait(100);
    EXPECT_EQ(main.ticks, stopped);
}

TEST_F(DesktopBackend, ClientWidgetShowsTheFormsPixelsAndCanvasDrawing) {
    showMain();
    QWidget* client = backend->clientWidget(main);
    ASSERT_NE(client, nullptr);
    const QImage before = client->grab().toImage();
    ASSERT_EQ(before.size(), client->size() * client->devicePixelRatio());
    EXPECT_EQ(before.pixelColor(20, 20), QColor(255, 0, 0)) << "painted by FormPaint";
    EXPECT_EQ(before.pixelColor(60, 60), QColor(0xF0, 0xF0, 0xF0)) << "the form colour";

    // Drawing outside a paint (as timers do) reaches the screen as well: what the
    // window has put on screen, not a fresh rendering of the widget.
    QMainWindow* w = backend->window(main);
    const QPoint at = client->mapTo(w, QPoint(0, 0));
    auto onScreen = [&] { return w->screen()->grabWindow(w->winId(), at.x(), at.y(), client->width(), client->height()).toImage(); };
    ASSERT_TRUE(waitUntil([&] { return onScreen().pixelColor(20, 20) == QColor(255, 0, 0); }, 1000));
    EXPECT_EQ(onScreen().pixelColor(65, 65), QColor(0xF0, 0xF0, 0xF0));
    main.canvas.pen.color = ui::clBlue;
    main.canvas.brush.setColor(ui::clBlue);
    main.canvas.Rectangle(60, 60, 70, 70);
    EXPECT_TRUE(waitUntil([&] { return onScreen().pixelColor(65, 65) == QColor(0, 0, 255); }, 1000));
    EXPECT_EQ(onScreen().pixelColor(20, 20), QColor(255, 0, 0));
}

TEST_F(DesktopBackend, ClicksReachControlsAndTheHandCursorFollowsThem) {
    showMain();
    QWidget* client = backend->clientWidget(main);
    ASSERT_NE(client, nullptr);
    QTest::mouseClick(client, Qt::LeftButton, {}, QPoint(110, 110));
    EXPECT_EQ(main.knopfClicks, 1);
    QTest::mouseClick(client, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseClick(client, Qt::RightButton, {}, QPoint(110, 110));
    EXPECT_EQ(main.knopfClicks, 1);

    QTest::mouseMove(client, QPoint(120, 115));
    EXPECT_TRUE(waitUntil([&] { return client->cursor().shape() == Qt::PointingHandCursor; }, 500));
    QTest::mouseMove(client, QPoint(5, 5));
    EXPECT_TRUE(waitUntil([&] { return client->cursor().shape() == Qt::ArrowCursor; }, 500));
}

TEST_F(DesktopBackend, ModalFormDisablesTheOthersUntilItCloses) {
    QMainWindow* w = showMain();
    ASSERT_NE(w, nullptr);
    second.ShowModal();
    QMainWindow* w2 = backend->window(second);
    ASSERT_NE(w2, nullptr);
    EXPECT_TRUE(w2->isVisible());
    EXPECT_FALSE(w->isEnabled());
    EXPECT_TRUE(w2->isEnabled());
    EXPECT_TRUE(QTest::qWaitForWindowActive(w2));

    // The disabled window takes no menu choice and no Esc.
    barAction(w, "&Ende")->trigger();
    EXPECT_EQ(main.endeClicks, 0);
    main.escPresses = 0;
    QTest::keyClick(w, Qt::Key_Escape);
    EXPECT_EQ(main.escPresses, 0);

    // If the window manager activates it, activation goes back to the modal form.
    const int activations = main.activations;
    w->activateWindow();
    EXPECT_TRUE(waitUntil([&] { return QApplication::activeWindow() == w2; }, 1000));
    QTest::qWait(50);
    EXPECT_EQ(QApplication::activeWindow(), w2);
    EXPECT_EQ(app.activeForm(), &second);
    EXPECT_EQ(main.activations, activations);

    // The close box asks the application, which hides the modal form and re-enables the rest.
    w2->close();
    EXPECT_TRUE(waitUntil([&] { return !w2->isVisible(); }));
    EXPECT_FALSE(second.visible());
    EXPECT_TRUE(w->isEnabled());
    EXPECT_EQ(app.activeForm(), &main);
    EXPECT_TRUE(waitUntil([&] { return QApplication::activeWindow() == w; }, 1000));
    barAction(w, "&Ende")->trigger();
    EXPECT_EQ(main.endeClicks, 1);
}

TEST_F(DesktopBackend, ClosingTheMainFormEndsTheEventLoopWithStatusZero) {
    QMainWindow* w = showMain();
    ASSERT_NE(w, nullptr);
    second.Show();
    main.timer.setEnabled(true);
    QTimer::singleShot(100, w, [w] { w->close(); });
    // A watchdog, should the loop not end.
    QTimer watchdog;
    watchdog.setSingleShot(true);
    QObject::connect(&watchdog, &QTimer::timeout, [] { QCoreApplication::exit(99); });
    watchdog.start(5000);
    QElapsedTimer clock;
    clock.start();
    const int status = backend->run();
    EXPECT_EQ(status, 0);
    EXPECT_LT(clock.elapsed(), 4000);
    EXPECT_TRUE(app.terminated());
    EXPECT_GE(main.ticks, 1) << "the timer ran while the loop did";
    EXPECT_EQ(backend->window(main), nullptr) << "the windows are gone after the loop";
    EXPECT_EQ(backend->window(second), nullptr);
}

TEST_F(DesktopBackend, QuitBeforeTheLoopReturnsAtOnce) {
    showMain();
    main.Close();
    EXPECT_TRUE(backend->quitRequested());
    EXPECT_EQ(backend->run(), 0);
}

}  // namespace
