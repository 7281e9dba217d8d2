// The glossary on the desktop as a student uses it: Übungen → Glossar from the menu bar,
// "rück" typed, the term chosen with the keyboard, a window link followed, F1 there.
#include <gtest/gtest.h>

#include <QKeyEvent>
#include <QTest>

#include "app/Program.h"
#include "desktop/FormWindow.h"
#include "desktop/QtBackend.h"
#include "study/FormGlossar.h"
#include "tests/desktop/QtSupport.h"
#include "ui/Application.h"

namespace {

TEST(DesktopGlossary, TypeChooseFollowALinkAndComeBackWithF1) {
    desktop::testing::qtApp();
    ui::Application application(1024, 768);
    app::Program program(application);
    desktop::QtBackend backend(application);
    program.start();
    auto choose = [&](const char* form, const char* item) {
        ui::Form& f = *application.findForm(form);
        auto* w = dynamic_cast<desktop::FormWindow*>(backend.window(f));
        ASSERT_NE(w, nullptr) << form;
        QAction* a = w->action(f.menu()->find(item));
        ASSERT_NE(a, nullptr) << item;
        a->trigger();
    };
    choose("TFormHaupt", "Programmstarten1");
    choose("TFormMetallo", "Glossar1");
    auto& g = *static_cast<study::TFormGlossar*>(application.findForm("TFormGlossar"));
    ASSERT_TRUE(g.visible());
    QWidget* client = backend.clientWidget(g);
    ASSERT_TRUE(QTest::qWaitForWindowActive(backend.window(g)));

    // "ü" as a German keyboard delivers it: its own key with its text.
    QTest::keyClicks(client, "r");
    QKeyEvent ue(QEvent::KeyPress, Qt::Key_Udiaeresis, Qt::NoModifier, QString::fromUtf8("ü"));
    QApplication::sendEvent(client, &ue);
    QTest::keyClicks(client, "ck");
    EXPECT_EQ(g.EditSuche.text(), "rück");
    QTest::keyClick(client, Qt::Key_Down);
    EXPECT_EQ(g.LabelBegriff.caption(), "Rückstreuelektronen");
    // Enter goes to the term's first link; past the related terms to the first window link.
    QTest::keyClick(client, Qt::Key_Return);
    const study::Term& term = g.glossary.terms()[static_cast<size_t>(g.Chosen)];
    for (size_t i = 0; i < term.seeAlso.size(); ++i) QTest::keyClick(client, Qt::Key_Tab);
    ASSERT_EQ(g.activeControl(), g.LinkAnsehen[0].get());
    QTest::keyClick(client, Qt::Key_Return);
    ui::Form& shown = *application.findForm(term.windows.front());
    ASSERT_TRUE(shown.visible()) << term.windows.front();
    EXPECT_TRUE(shown.active());

    // F1 in that window: the glossary with the terms of that window, the list focused.
    ASSERT_TRUE(QTest::qWaitForWindowActive(backend.window(shown)));
    QTest::keyClick(backend.clientWidget(shown), Qt::Key_F1);
    EXPECT_TRUE(g.active());
    EXPECT_EQ(g.Shown, g.glossary.termsOfWindow(shown.className()));
    EXPECT_EQ(g.activeControl(), &g.ListBoxBegriffe);
    backend.quit(0);
}

}  // namespace
