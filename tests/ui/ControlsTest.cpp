// The controls: keys, mouse, disabled state and focus order per kind, and their pixels
// in every state at the window font of 800x600 and 1024x768 against stored checksums.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>

#include "TestForms.h"
#include "ui/Buttons.h"
#include "ui/ComboBox.h"
#include "ui/Edit.h"
#include "ui/ListBox.h"
#include "ui/Png.h"
#include "ui/TrackBar.h"

namespace {

using ui::vk::Down;
using ui::vk::End;
using ui::vk::Escape;
using ui::vk::Home;
using ui::vk::Left;
using ui::vk::Next;
using ui::vk::Prior;
using ui::vk::Return;
using ui::vk::Right;
using ui::vk::Space;
using ui::vk::Tab;
using ui::vk::Up;

// A window with one control of every kind, the font of a screen scaled by `scale`.
struct Panel : testforms::Recorder {
    explicit Panel(ui::Application& app) : Recorder(app, "Panel", nullptr) {}
    ui::Button button{*this, "Button1", "&Übernehmen"};
    ui::CheckBox check{*this, "CheckBox1", "Gitter zeigen"};
    ui::RadioGroup radio{*this, "RadioGroup1", "Beleuchtung"};
    ui::TrackBar track{*this, "TrackBar1"};
    ui::ComboBox combo{*this, "ComboBox1"};
    ui::Edit edit{*this, "Edit1"};
    ui::ListBox list{*this, "ListBox1"};
    ui::ProgressBar progress{*this, "ProgressBar1"};
    ui::LinkLabel link{*this, "Link1", "Im Programm ansehen"};
    int clicks = 0, linkClicks = 0, changes = 0;

    void layout(double s) {
        auto S = [s](int v) { return static_cast<int>(v * s + 0.5); };
        font.height = -S(11);
        button.setBounds(S(10), S(10), S(90), S(25));
        check.setBounds(S(110), S(14), S(130), S(17));
        radio.setBounds(S(10), S(45), S(150), S(80));
        track.setBounds(S(170), S(45), S(200), S(32));
        combo.setBounds(S(170), S(90), S(200), S(21));
        edit.setBounds(S(10), S(135), S(150), S(21));
        list.setBounds(S(170), S(120), S(200), S(70));
        progress.setBounds(S(10), S(165), S(150), S(16));
        link.setBounds(S(10), S(195), 0, 0);
        link.adjustSize();
        setClientSize(S(390), S(220));
    }
};

struct World {
    ui::Application app{1024, 768};
    ui::headless::HeadlessBackend backend{app};
    Panel f{app};
    explicit World(double scale = 1.0) {
        app.create(f);
        f.radio.setItems({"Hellfeld", "Dunkelfeld", "Polarisation"});
        f.track.setRange(0, 20);
        f.track.frequency = 5;
        f.combo.setItems({"5x", "10x", "20x", "50x", "100x", "Ölimmersion"});
        f.list.setItems({"Ätzen", "Austenit", "Bainit", "Ferrit", "Gefüge", "Korngrenze", "Martensit", "Perlit", "Zementit"});
        f.progress.setRange(0, 100);
        f.layout(scale);
        f.button.OnClick = [this] { ++f.clicks; };
        f.link.OnClick = [this] { ++f.linkClicks; };
        for (auto* on : {&f.check.OnChange, &f.radio.OnChange, &f.track.OnChange, &f.combo.OnChange, &f.edit.OnChange, &f.list.OnChange})
            *on = [this] { ++f.changes; };
        f.Show();
        app.flush();
    }
    ui::Point centre(const ui::Control& c) const {
        const ui::Rect r = c.clientRect();
        return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    }
    void click(const ui::Control& c) { app.mouseClick(f, centre(c).x, centre(c).y); }
    void keys(std::initializer_list<int> ks, unsigned shift = ui::ssNone) {
        for (int k : ks) app.keyDown(f, k, shift);
    }
};

TEST(Focus, TabOrderSkipsDisabledAndHiddenControlsAndWraps) {
    World w;
    EXPECT_EQ(w.f.activeControl(), &w.f.button) << "a shown window focuses its first control";
    w.f.check.setEnabled(false);
    w.f.radio.setVisible(false);
    w.keys({Tab});
    EXPECT_EQ(w.f.activeControl(), &w.f.track);
    w.keys({Tab}, ui::ssShift);
    EXPECT_EQ(w.f.activeControl(), &w.f.button);
    w.keys({Tab}, ui::ssShift);
    EXPECT_EQ(w.f.activeControl(), &w.f.link) << "Shift+Tab wraps to the last";
    w.keys({Tab});
    EXPECT_EQ(w.f.activeControl(), &w.f.button) << "Tab wraps to the first (the progress bar takes no focus)";
    // A window's own tab order comes before the order of creation.
    w.f.link.tabOrder = -1;
    w.keys({Tab}, ui::ssShift);
    EXPECT_EQ(w.f.activeControl(), &w.f.link);
    // Hiding or disabling the focused control moves the focus on.
    w.f.track.setFocus();
    w.f.track.setVisible(false);
    EXPECT_EQ(w.f.activeControl(), &w.f.combo);
    w.f.combo.setEnabled(false);
    EXPECT_EQ(w.f.activeControl(), &w.f.edit);
    // A click focuses what it lands on; a click on a disabled control does nothing.
    w.click(w.f.list);
    EXPECT_EQ(w.f.activeControl(), &w.f.list);
    w.click(w.f.check);
    EXPECT_EQ(w.f.activeControl(), &w.f.list);
    EXPECT_FALSE(w.f.check.checked());
}

TEST(Button, PressedWhileHeldClickOnlyWhenReleasedOnItKeysAndDefault) {
    World w;
    const ui::Point c = w.centre(w.f.button);
    w.app.mouseDown(w.f, c.x, c.y);
    EXPECT_TRUE(w.f.button.down());
    w.app.mouseMove(w.f, c.x + 200, c.y);
    EXPECT_FALSE(w.f.button.down()) << "not pressed while the mouse is off it";
    w.app.mouseUp(w.f, c.x + 200, c.y);
    EXPECT_EQ(w.f.clicks, 0) << "released elsewhere: no click";
    w.app.mouseDown(w.f, c.x, c.y);
    w.app.mouseMove(w.f, c.x + 200, c.y);
    w.app.mouseMove(w.f, c.x + 1, c.y);
    w.app.mouseUp(w.f, c.x + 1, c.y);
    EXPECT_EQ(w.f.clicks, 1);
    w.keys({Space, Return});
    EXPECT_EQ(w.f.clicks, 3);
    // The default button takes Enter from controls that do not use it.
    w.f.defaultButton = &w.f.button;
    w.f.edit.setFocus();
    w.keys({Return});
    EXPECT_EQ(w.f.clicks, 4);
    w.f.button.setEnabled(false);
    w.keys({Return});
    w.click(w.f.button);
    EXPECT_FALSE(w.f.button.press());
    EXPECT_EQ(w.f.clicks, 4) << "a disabled button does nothing";
    // Esc still chooses the window's Esc item.
    w.keys({Escape});
    EXPECT_FALSE(w.f.visible());
}

TEST(CheckBoxAndRadioGroup, ClicksSpaceArrowsAndScriptValues) {
    World w;
    w.click(w.f.check);
    EXPECT_TRUE(w.f.check.checked());
    w.keys({Space});
    EXPECT_FALSE(w.f.check.checked());
    EXPECT_EQ(w.f.changes, 2);
    EXPECT_EQ(w.f.check.setValue("1"), "");
    EXPECT_EQ(w.f.check.value(), "1");
    EXPECT_NE(w.f.check.setValue("2"), "");
    EXPECT_EQ(w.f.check.value(), "1");

    w.f.radio.setFocus();
    EXPECT_EQ(w.f.radio.itemIndex(), -1);
    w.keys({Down});
    EXPECT_EQ(w.f.radio.itemIndex(), 0);
    w.keys({Down, Down, Down});
    EXPECT_EQ(w.f.radio.itemIndex(), 2) << "stops at the last item";
    w.keys({Home});
    EXPECT_EQ(w.f.radio.text(), "Hellfeld");
    const ui::Rect second = w.f.radio.itemRect(1);
    w.app.mouseClick(w.f, second.left + 4, (second.top + second.bottom) / 2);
    EXPECT_EQ(w.f.radio.text(), "Dunkelfeld");
    EXPECT_EQ(w.f.radio.setValue("Polarisation"), "");
    EXPECT_EQ(w.f.radio.itemIndex(), 2);
    EXPECT_EQ(w.f.radio.setValue("0"), "");
    EXPECT_EQ(w.f.radio.itemIndex(), 0);
    EXPECT_NE(w.f.radio.setValue("3"), "");
    EXPECT_NE(w.f.radio.setValue("Auflicht"), "");
    EXPECT_EQ(w.f.radio.itemIndex(), 0);
}

TEST(TrackBar, KeysClampDragHoldsTheMouseBesideTheThumbPagesWheelSteps) {
    World w;
    ui::TrackBar& t = w.f.track;
    t.setFocus();
    w.keys({Right, Right, Next});
    EXPECT_EQ(t.position(), 4);
    w.keys({End, Right});
    EXPECT_EQ(t.position(), 20);
    w.keys({Prior, Left, Up});
    EXPECT_EQ(t.position(), 16);
    w.keys({Home, Left});
    EXPECT_EQ(t.position(), 0);
    // The thumb follows the mouse, also far outside the control, until the release.
    const ui::Rect th = t.thumbRect();
    const int y = (th.top + th.bottom) / 2;
    w.app.mouseDown(w.f, (th.left + th.right) / 2, y);
    w.app.mouseMove(w.f, (th.left + th.right) / 2 + 1000, y + 300);
    EXPECT_EQ(t.position(), 20);
    w.app.mouseUp(w.f, -500, y);
    EXPECT_EQ(t.position(), 0);
    w.app.mouseMove(w.f, 2000, y);
    EXPECT_EQ(t.position(), 0) << "released: the thumb stays";
    // A press beside the thumb moves one page towards it.
    const ui::Rect r = t.clientRect();
    w.app.mouseClick(w.f, r.right - 12, y);
    EXPECT_EQ(t.position(), 2);
    w.app.mouseWheel(w.f, r.left + 20, y, 3);
    EXPECT_EQ(t.position(), 5);
    EXPECT_NE(t.setValue("21"), "");
    EXPECT_NE(t.setValue("x"), "");
    EXPECT_EQ(t.setValue("7"), "");
    EXPECT_EQ(t.position(), 7);
}

TEST(ComboBox, ListOpensClosesOnChoiceEscOrClickElsewhereAndKeysMoveTheChoice) {
    World w;
    ui::ComboBox& c = w.f.combo;
    c.setFocus();
    w.keys({Down});
    EXPECT_EQ(c.itemIndex(), 0) << "a closed list steps its choice";
    w.keys({ui::vk::F4});
    ASSERT_TRUE(c.droppedDown());
    w.keys({Down, Down});
    EXPECT_EQ(c.itemIndex(), 0) << "an open list moves its highlight only";
    EXPECT_EQ(c.highlighted(), 2);
    w.keys({Escape});
    EXPECT_FALSE(c.droppedDown());
    EXPECT_TRUE(w.f.visible()) << "Esc closed the list, not the window";
    EXPECT_EQ(c.itemIndex(), 0);
    w.keys({Down}, ui::ssAlt);
    w.keys({End, Return});
    EXPECT_FALSE(c.droppedDown());
    EXPECT_EQ(c.text(), "Ölimmersion");
    // Letters jump to the next item with that letter, umlauts as their base letter.
    EXPECT_TRUE(w.app.textInput(w.f, "o"));
    EXPECT_EQ(c.text(), "Ölimmersion");
    EXPECT_TRUE(w.app.textInput(w.f, "1"));
    EXPECT_EQ(c.text(), "10x");
    // A click on the field opens the list over the window; a click on an item chooses it.
    w.click(c);
    ASSERT_TRUE(c.droppedDown());
    const ui::Rect item = c.itemRect(3);
    ASSERT_FALSE(item.empty());
    EXPECT_GE(item.top, c.clientRect().bottom) << "room below: the list opens below";
    w.app.mouseClick(w.f, item.left + 5, item.top + 2);
    EXPECT_EQ(c.text(), "50x");
    // A click elsewhere closes the list and does nothing else.
    w.click(c);
    w.click(w.f.button);
    EXPECT_FALSE(c.droppedDown());
    EXPECT_EQ(w.f.clicks, 0);
    // Without room below it opens above.
    c.setTop(w.f.clientHeight() - c.height() - 2);
    c.dropDown();
    EXPECT_LE(c.listRect().bottom, c.clientRect().top);
    EXPECT_NE(c.setValue("7"), "");
    EXPECT_EQ(c.setValue("20x"), "");
    EXPECT_FALSE(c.droppedDown());
    EXPECT_EQ(c.itemIndex(), 2);
}

TEST(Edit, TypingUmlautsSelectionDeletingClipboardAndMaximumLength) {
    World w;
    ui::Edit& e = w.f.edit;
    e.setFocus();
    EXPECT_TRUE(w.app.textInput(w.f, "Rückstreu"));
    EXPECT_TRUE(w.app.textInput(w.f, "µm"));
    EXPECT_EQ(e.text(), "Rückstreuµm");
    EXPECT_EQ(e.caret(), 11) << "the caret moves by characters, not bytes";
    w.keys({ui::vk::Back, ui::vk::Back});
    EXPECT_EQ(e.text(), "Rückstreu");
    w.keys({Home, Right});
    w.keys({Right, Right}, ui::ssShift);
    EXPECT_EQ(e.selectedText(), "üc");
    w.keys({'C'}, ui::ssCtrl);
    w.keys({ui::vk::Delete});
    EXPECT_EQ(e.text(), "Rkstreu");
    w.keys({End});
    w.keys({'V'}, ui::ssCtrl);
    EXPECT_EQ(e.text(), "Rkstreuüc");
    w.keys({'A'}, ui::ssCtrl);
    w.keys({'X'}, ui::ssCtrl);
    EXPECT_EQ(e.text(), "");
    EXPECT_EQ(w.backend.clipboardText(), "Rkstreuüc");
    // Control characters are keys, not text; a pasted text keeps its first line.
    EXPECT_FALSE(w.app.textInput(w.f, "a\tb"));
    w.backend.setClipboardText("Zeile 1\nZeile 2");
    w.keys({'V'}, ui::ssCtrl);
    EXPECT_EQ(e.text(), "Zeile 1");
    e.maxLength = 9;
    w.app.textInput(w.f, "äöü");
    EXPECT_EQ(e.text(), "Zeile 1äö");
    EXPECT_NE(e.setValue("0123456789"), "");
    EXPECT_EQ(e.setValue("Gefüge"), "");
    EXPECT_EQ(e.text(), "Gefüge");
    EXPECT_GT(w.f.changes, 5);
    // A drag selects.
    const ui::Rect r = e.clientRect();
    w.app.mouseDown(w.f, r.left + 3, r.top + 5);
    w.app.mouseMove(w.f, r.right + 100, r.top + 5);
    w.app.mouseUp(w.f, r.right + 100, r.top + 5);
    EXPECT_EQ(e.selectedText(), "Gefüge");
}

TEST(ListBox, KeysLettersWheelScrollBarAndTheChosenItemStaysInView) {
    World w;
    ui::ListBox& l = w.f.list;
    l.setFocus();
    w.keys({Down});
    EXPECT_EQ(l.text(), "Ätzen");
    w.keys({End});
    EXPECT_EQ(l.text(), "Zementit");
    EXPECT_GT(l.topIndex(), 0) << "the chosen item is scrolled into view";
    EXPECT_FALSE(l.itemRect(l.itemIndex()).empty());
    w.app.textInput(w.f, "a");
    EXPECT_EQ(l.text(), "Ätzen") << "letters wrap around and ignore the umlaut";
    w.app.textInput(w.f, "a");
    EXPECT_EQ(l.text(), "Austenit");
    const ui::Rect r = l.clientRect();
    w.app.mouseWheel(w.f, r.left + 10, r.top + 10, 1);
    EXPECT_EQ(l.topIndex(), 3);
    w.app.mouseWheel(w.f, r.left + 10, r.top + 10, -5);
    EXPECT_EQ(l.topIndex(), 0);
    // The scroll bar: its down arrow scrolls, its thumb drags the list to the end.
    w.app.mouseClick(w.f, r.right - 5, r.bottom - 5);
    EXPECT_EQ(l.topIndex(), 1);
    w.app.mouseDown(w.f, r.right - 5, r.top + 2 + 17 + 3);
    w.app.mouseMove(w.f, r.right - 5, r.bottom + 300);
    w.app.mouseUp(w.f, r.right + 300, r.bottom + 300);
    EXPECT_EQ(l.topIndex(), 9 - (r.height() - 4) / (l.itemRect(l.topIndex()).height()));
    // A click on a row chooses it.
    const ui::Rect row = l.itemRect(l.topIndex());
    w.app.mouseClick(w.f, row.left + 5, row.top + 2);
    EXPECT_EQ(l.itemIndex(), l.topIndex());
    EXPECT_NE(l.setValue("Troostit"), "");
    EXPECT_EQ(l.setValue("Perlit"), "");
    EXPECT_EQ(l.itemIndex(), 7);
}

TEST(LinkLabel, ClickEnterSpaceAndTheHandCursor) {
    World w;
    w.click(w.f.link);
    w.keys({Return, Space});
    EXPECT_EQ(w.f.linkClicks, 3);
    EXPECT_EQ(w.f.cursorAt(w.centre(w.f.link).x, w.centre(w.f.link).y), ui::Cursor::HandPoint);
    w.f.link.setEnabled(false);
    w.click(w.f.link);
    EXPECT_EQ(w.f.linkClicks, 3);
}

// ---- Pixels

uint64_t checksum(const ui::raster::Bitmap& b) {
    uint64_t h = 1469598103934665603ull;
    for (uint32_t p : b.pixels) {
        h ^= p & 0xFFFFFFu;
        h *= 1099511628211ull;
    }
    return h ^ (static_cast<uint64_t>(b.width) << 32 | static_cast<uint32_t>(b.height));
}

std::map<std::string, std::string>& taken() {
    static std::map<std::string, std::string> t;
    return t;
}

// A picture that opens something on a click: a focus stop after the controls, reached
// with Tab, clicked with Enter or Space; the mouse does not move the focus to it, and its
// ring shows over the pixels only once the keyboard has moved the focus.
TEST(ClickablePicture, TabReachesItEnterClicksTheMouseLeavesTheFocusAndTheRingIsAnOverlay) {
    World w;
    ui::Image picture{w.f, "Image1"};
    ui::Image hidden{w.f, "Image2"};
    int clicks = 0;
    picture.setPicture(ui::raster::Bitmap(40, 30, 0xFF808080u));
    picture.setBounds(200, 190, 40, 30);
    picture.OnClick = [&] { ++clicks; };
    hidden.OnClick = [&] { ++clicks; };
    hidden.setVisible(false);
    w.f.Invalidate();
    w.app.flush();
    EXPECT_EQ(w.f.activeControl(), &w.f.button);
    const auto at = [](const ui::raster::Bitmap& b, int x, int y) { return b.pixels[static_cast<size_t>(y) * b.width + x]; };

    w.f.edit.setFocus();
    w.click(picture);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(w.f.activeControl(), &w.f.edit) << "a click on a picture leaves the focus in the field";
    w.f.link.setFocus();
    w.keys({Tab});
    ASSERT_EQ(w.f.activeControl(), &picture) << "the picture comes after the last control; the hidden one never";
    EXPECT_EQ(w.f.focusRing(), picture.clientRect());
    w.keys({Return});
    w.keys({Space});
    EXPECT_EQ(clicks, 3);
    EXPECT_TRUE(picture.press());
    EXPECT_EQ(clicks, 4);

    // The ring: black outside, white inside it, over the window's pixels, which stay as they were.
    w.app.flush();
    EXPECT_EQ(at(w.f.buffer(), 200, 190), 0xFF808080u) << "the ring is not drawn into the window";
    const ui::raster::Bitmap ringed = w.backend.captureForm(w.f);
    EXPECT_EQ(at(ringed, 200, 190), 0xFF000000u);
    EXPECT_EQ(at(ringed, 220, 191), 0xFFFFFFFFu);
    EXPECT_EQ(at(ringed, 220, 200), 0xFF808080u);
    w.keys({Tab});
    EXPECT_EQ(w.f.activeControl(), &w.f.button);
    EXPECT_EQ(at(w.backend.captureForm(w.f), 200, 190), 0xFF808080u) << "the ring goes with the focus";

    // Shown again, the window hides the ring until the keyboard is used again.
    picture.setFocus();
    w.f.Close();
    w.f.Show();
    EXPECT_TRUE(w.f.focusRing().empty());
}

TEST(ControlPictures, EveryStateAt800x600And1024x768AsStored) {
    std::map<std::string, std::string> stored;
    {
        std::ifstream in(METALLO_CONTROLS_SUMS);
        for (std::string name, sum; in >> name >> sum;) stored[name] = sum;
    }
    const bool update = std::getenv("METALLO_REFERENCE_UPDATE") && std::string(std::getenv("METALLO_REFERENCE_UPDATE")) == "1";
    const char* dirEnv = std::getenv("METALLO_REFERENCE_DIR");
    const std::filesystem::path dir = dirEnv ? dirEnv : METALLO_REFERENCE_OUTPUT;
    std::filesystem::create_directories(dir);
    for (const auto& size : {std::pair{"800x600", 1.0}, std::pair{"1024x768", 1.28}}) {
        const std::string screen = size.first;
        World w(size.second);
        auto shot = [&](const std::string& state) {
            w.app.flush();
            const ui::raster::Bitmap b = w.backend.captureForm(w.f);
            const std::string name = std::string("controls.") + state + "@" + screen;
            char hex[17];
            std::snprintf(hex, sizeof hex, "%016llx", static_cast<unsigned long long>(checksum(b)));
            if (update) {
                taken()[name] = hex;
                ui::savePng(b, (dir / (name + ".png")).string());
            } else if (stored[name] != hex) {
                ui::savePng(b, (dir / (name + ".actual.png")).string());
                ADD_FAILURE() << "picture " << name << " changed: stored '" << stored[name] << "', now " << hex;
            }
        };
        shot("normal");
        // Chosen, checked, typed, half full, the focus on the button (the default one).
        w.f.defaultButton = &w.f.button;
        w.f.check.setChecked(true);
        w.f.radio.setItemIndex(1);
        w.f.track.setPosition(12);
        w.f.combo.setItemIndex(1);
        w.f.edit.setText("Korngröße µm");
        w.f.list.setItemIndex(5);
        w.f.progress.setPosition(60);
        shot("values");
        // Each control with the focus, the edit with a selection, the button held down.
        w.f.edit.setFocus();
        w.f.edit.select(0, 5);
        w.f.button.mouseDown(ui::MouseEvent{});
        shot("edit-focus-button-down");
        w.f.list.setFocus();
        shot("list-focus");
        w.f.combo.setFocus();
        shot("combo-focus");
        w.f.combo.dropDown();
        shot("combo-open");
        w.f.combo.closeUp(false);
        for (ui::Control* c : {static_cast<ui::Control*>(&w.f.check), static_cast<ui::Control*>(&w.f.radio),
                               static_cast<ui::Control*>(&w.f.track), static_cast<ui::Control*>(&w.f.link)}) {
            c->setFocus();
            shot(c->name() + "-focus");
        }
        for (ui::Control* c : w.f.controls()) c->setEnabled(false);
        shot("disabled");
    }
    if (update) {
        std::ofstream out(METALLO_CONTROLS_SUMS);
        for (const auto& [name, sum] : taken()) out << name << " " << sum << "\n";
    }
}

}  // namespace

namespace {

// A picture that is dragged, zoomed and stepped with the keys.
struct Picture : testforms::Recorder {
    explicit Picture(ui::Application& app) : Recorder(app, "Picture", nullptr) {
        box.setBounds(20, 20, 100, 100);
        box.tabStop = true;
        box.OnMouseDown = [this](ui::MouseButton b, unsigned shift, int x, int y) {
            log.push_back("down " + std::to_string(static_cast<int>(b)) + " " + std::to_string(shift) + " " + std::to_string(x) + "," + std::to_string(y));
        };
        box.OnMouseMove = [this](unsigned, int x, int y) { log.push_back("move " + std::to_string(x) + "," + std::to_string(y)); };
        box.OnMouseUp = [this](ui::MouseButton, unsigned, int x, int y) { log.push_back("up " + std::to_string(x) + "," + std::to_string(y)); };
        box.OnMouseWheel = [this](int n, unsigned, int, int) {
            log.push_back("wheel " + std::to_string(n));
            return true;
        };
        box.OnKeyDown = [this](int key, unsigned) {
            log.push_back("key " + std::to_string(key));
            return key == ui::vk::Left;
        };
    }
    ui::PaintBox box{*this, "PaintBox1"};
    std::vector<std::string> log;
};

TEST(PaintBoxInput, DragHeldOutsideItWheelAndKeysInItsOwnCoordinates) {
    ui::Application app{800, 600};
    ui::headless::HeadlessBackend backend{app};
    Picture f{app};
    app.create(f);
    f.setBounds(0, 0, 300, 300);
    f.Show();
    EXPECT_EQ(f.activeControl(), &f.box);
    app.mouseDown(f, 30, 40, ui::MouseButton::Right, ui::ssShift | ui::ssCtrl);
    app.mouseMove(f, 250, 45);
    app.mouseUp(f, -10, 45, ui::MouseButton::Right);
    app.mouseMove(f, 60, 60);  // hover: no button held
    app.mouseMove(f, 200, 200);  // beside it: nothing
    app.mouseWheel(f, 50, 50, -2);
    app.keyDown(f, ui::vk::Left);
    EXPECT_FALSE(app.keyDown(f, ui::vk::Right)) << "a key the box does not use is not taken";
    EXPECT_EQ(f.log, (std::vector<std::string>{"down 1 3 10,20", "move 230,25", "up -30,25", "move 40,40", "wheel -2", "key 37", "key 39"}));
}

}  // namespace
