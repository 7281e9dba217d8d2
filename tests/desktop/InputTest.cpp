// Real Qt mouse, wheel, key and input method events on a form's client widget reach
// its controls; the clipboard is the desktop's. (Clicks on pictures: BackendTest.)
#include <gtest/gtest.h>

#include <QClipboard>
#include <QInputMethodEvent>
#include <QMainWindow>
#include <QWheelEvent>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "desktop/QtBackend.h"
#include "tests/desktop/QtSupport.h"
#include "ui/Application.h"
#include "ui/Buttons.h"
#include "ui/ComboBox.h"
#include "ui/Edit.h"
#include "ui/ListBox.h"
#include "ui/TrackBar.h"

namespace {

using Key = std::pair<int, unsigned>;

class ControlsForm : public ui::Form {
public:
    explicit ControlsForm(ui::Application& app) : ui::Form(app, "TFormEingabe", "Eingabe") { setBounds(40, 40, 400, 320); }

    ui::MainMenu menu1{*this};
    ui::MenuItem ende{menu1, "Ende1", "&Ende"};
    ui::MenuItem esc{menu1, "Esc1", "ESC", ui::ShortCut::Escape};
    // In tab order.
    ui::Edit name{*this, "Edit1"}, copy{*this, "Edit2"};
    ui::Button ok{*this, "Button1", "OK"};
    ui::ListBox list{*this, "ListBox1"};
    ui::TrackBar slider{*this, "TrackBar1"};
    ui::ComboBox combo{*this, "ComboBox1"};
    ui::PaintBox probe{*this, "PaintBox1"};  // records the keys it gets
    ui::Image picture{*this, "Image1"};      // opens something once it has a click handler
    int okClicks = 0, endeClicks = 0, escPresses = 0, pictureClicks = 0;
    std::vector<Key> keys;

    void FormCreate() override {
        esc.setVisible(false);
        name.setBounds(10, 10, 150, 21);
        copy.setBounds(10, 40, 150, 21);
        ok.setBounds(170, 10, 75, 25);
        list.setBounds(10, 70, 150, 100);
        list.setItems(std::vector<std::string>(30, "Gefüge"));
        slider.setBounds(170, 70, 200, 30);
        slider.setRange(0, 10);
        combo.setBounds(170, 110, 150, 21);
        combo.setItems({"Ferrit", "Perlit"});
        probe.setBounds(170, 200, 40, 40);
        probe.tabStop = true;
        picture.setBounds(260, 200, 60, 40);
        picture.setPicture(ui::raster::Bitmap(60, 40, 0xFF808080u));
        ok.OnClick = [this] { ++okClicks; };
        ende.OnClick = [this] { ++endeClicks; };
        esc.OnClick = [this] { ++escPresses; };
        probe.OnKeyDown = [this](int key, unsigned shift) {
            keys.emplace_back(key, shift);
            return false;
        };
    }
};

class DesktopInput : public ::testing::Test {
protected:
    DesktopInput() {
        desktop::testing::qtApp();
        backend = std::make_unique<desktop::QtBackend>(app);
        app.create(form);
        app.OnHelp = [this](ui::Form&) { ++helps; };
        form.Show();
        EXPECT_TRUE(QTest::qWaitForWindowActive(backend->window(form)));
        client = backend->clientWidget(form);
    }

    static QPoint centre(const ui::Rect& r) { return QPoint((r.left + r.right) / 2, (r.top + r.bottom) / 2); }
    void wheel(int angle) {
        const QPoint at = centre(form.list.clientRect());
        QWheelEvent e(at, client->mapToGlobal(at), {}, {0, angle}, Qt::NoButton, {}, Qt::NoScrollPhase, false);
        QApplication::sendEvent(client, &e);
    }
    void key(Qt::Key k, Qt::KeyboardModifiers m = Qt::NoModifier) { QTest::keyClick(client, k, m); }

    ui::Application app{1024, 768};
    ControlsForm form{app};
    int helps = 0;
    std::unique_ptr<desktop::QtBackend> backend;
    QWidget* client = nullptr;
};

TEST_F(DesktopInput, ThumbDragAndWheel) {
    // The thumb follows the mouse; a second button meanwhile changes nothing, and the
    // release outside the window still ends the drag.
    const QPoint thumb = centre(form.slider.thumbRect()), midway = thumb + QPoint(60, 5), outside(client->width() + 40, -20);
    QTest::mousePress(client, Qt::LeftButton, {}, thumb);
    QTest::mouseMove(client, midway);
    EXPECT_GT(form.slider.position(), 0);
    EXPECT_LT(form.slider.position(), 10);
    QTest::mouseClick(client, Qt::RightButton, {}, midway);
    QTest::mouseMove(client, outside);
    QTest::mouseRelease(client, Qt::LeftButton, {}, outside);
    EXPECT_EQ(form.slider.position(), 10);
    QTest::mouseMove(client, thumb);
    EXPECT_EQ(form.slider.position(), 10) << "the drag ended at the release";

    // Half notches add up; turning away from the user scrolls back up.
    wheel(-60);
    EXPECT_EQ(form.list.topIndex(), 0);
    wheel(-60);
    EXPECT_EQ(form.list.topIndex(), 3);
    wheel(120);
    EXPECT_EQ(form.list.topIndex(), 0);
}

TEST_F(DesktopInput, KeysTypingFocusClipboardAndMenuLetters) {
    EXPECT_TRUE(client->hasFocus()) << "the client widget has its window's keyboard";
    QTest::mouseClick(client, Qt::LeftButton, {}, centre(form.name.clientRect()));
    ASSERT_EQ(form.activeControl(), &form.name);

    // Keys type their text; what an input method or a dead key composes arrives too.
    QInputMethodQueryEvent query(Qt::ImEnabled);
    QApplication::sendEvent(client, &query);
    EXPECT_TRUE(query.value(Qt::ImEnabled).toBool()) << "input methods and dead keys compose for it";
    QTest::keyClicks(client, "Gef");
    QInputMethodEvent composed;
    composed.setCommitString(QString::fromUtf8("ü"));
    QApplication::sendEvent(client, &composed);
    QTest::keyClicks(client, "ge");
    key(Qt::Key_Backspace);
    EXPECT_EQ(form.name.text(), "Gefüg");

    // Copy, then paste into the next field, through the desktop's clipboard.
    key(Qt::Key_A, Qt::ControlModifier);
    key(Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QString::fromUtf8("Gefüg"));
    key(Qt::Key_Tab);
    ASSERT_EQ(form.activeControl(), &form.copy);
    key(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(form.copy.text(), "Gefüg");
    QGuiApplication::clipboard()->setText("Perlit");
    key(Qt::Key_A, Qt::ControlModifier);
    key(Qt::Key_V, Qt::ControlModifier);
    key(Qt::Key_Q, Qt::ControlModifier);  // types nothing
    EXPECT_EQ(form.copy.text(), "Perlit");

    // Space and Enter press the focused button; Shift+Tab (Backtab, with Shift or
    // without) goes back, from the first stop to the last.
    key(Qt::Key_Tab);
    key(Qt::Key_Space);
    key(Qt::Key_Return);
    EXPECT_EQ(form.okClicks, 2);
    key(Qt::Key_Backtab, Qt::ShiftModifier);
    key(Qt::Key_Backtab, Qt::ShiftModifier);
    key(Qt::Key_Backtab);
    ASSERT_EQ(form.activeControl(), &form.probe);

    // Keys with their modifiers; Alt and a letter stay with the menu bar, F1 asks for help.
    form.keys.clear();
    key(Qt::Key_PageDown);
    key(Qt::Key_Home, Qt::ControlModifier | Qt::ShiftModifier);
    key(Qt::Key_Down, Qt::AltModifier);
    key(Qt::Key_Z, Qt::AltModifier);
    key(Qt::Key_E, Qt::AltModifier);
    key(Qt::Key_F1);
    EXPECT_EQ(form.keys, (std::vector<Key>{{ui::vk::Next, 0}, {ui::vk::Home, ui::ssCtrl | ui::ssShift}, {ui::vk::Down, ui::ssAlt}}));
    EXPECT_EQ(form.endeClicks, 1);
    EXPECT_EQ(helps, 1);

    // Esc closes an open drop-down list, and only that; then it is the Esc item's. Without
    // an Esc item it still closes the list.
    key(Qt::Key_Backtab, Qt::ShiftModifier);
    key(Qt::Key_Down, Qt::AltModifier);
    ASSERT_TRUE(form.combo.droppedDown());
    key(Qt::Key_Escape);
    EXPECT_FALSE(form.combo.droppedDown());
    EXPECT_EQ(form.escPresses, 0);
    key(Qt::Key_Escape);
    EXPECT_EQ(form.escPresses, 1);
    form.esc.setEnabled(false);
    key(Qt::Key_F4);
    ASSERT_TRUE(form.combo.droppedDown());
    key(Qt::Key_Escape);
    EXPECT_FALSE(form.combo.droppedDown());
}

// The focus ring of a clickable picture is painted over the form's pixels by the client
// widget, where the keyboard put the focus, and goes with it.
TEST_F(DesktopInput, APictureTakesTabAndEnterAndItsRingLiesOverThePixels) {
    const ui::Rect r = form.picture.clientRect();
    const auto pixel = [&](int x, int y) { return client->grab().toImage().pixel(x, y) & 0xFFFFFFu; };
    form.picture.OnClick = [this] { ++form.pictureClicks; };
    EXPECT_EQ(pixel(r.left, r.top), 0x808080u);
    form.probe.setFocus();
    key(Qt::Key_Tab);
    ASSERT_EQ(form.activeControl(), &form.picture);
    EXPECT_EQ(pixel(r.left, r.top), 0x000000u);
    EXPECT_EQ(pixel(r.left + 1, r.top + 1), 0xFFFFFFu);
    EXPECT_EQ(pixel(r.left + 5, r.top + 5), 0x808080u);
    key(Qt::Key_Return);
    EXPECT_EQ(form.pictureClicks, 1);
    key(Qt::Key_Tab);
    EXPECT_NE(form.activeControl(), &form.picture);
    EXPECT_EQ(pixel(r.left, r.top), 0x808080u) << "the ring went with the focus";
}

}  // namespace
