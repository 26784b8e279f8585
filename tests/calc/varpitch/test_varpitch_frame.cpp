// What every window on the array-calculator frame shares: Down-arrow wrap, Enter pressing
// Calculate, the first-field focus (not in the three-section window), exit, a fresh load
// after closing, and the material list in the user's language.

#include "support/WindowCases.h"

namespace {

struct FrameWindow {
    const char* name;
    const char* lastField;
    const char* exitButton;
    const char* result; // a box the defaults fill
};

const FrameWindow kWindows[] = {
    {"Form73", "Text1_9", "Command6", "Text2"},  {"Form74", "Text1_6", "Command6", "Text2"},
    {"Form75", "Text1_11", "Command6", "Text2"}, {"Form76", "Text1_8", "Command6", "Text2"},
    {"Form123", "Text1_7", "Command6", "Text2"}, {"Form127", "Text1_6", "Command6", "Text8"},
    {"Form124", "Text1_6", "Command5", "Text6"},
};

class VarPitchFrame : public FormTest {
protected:
    static QLineEdit* focused() { return qobject_cast<QLineEdit*>(QApplication::focusWidget()); }
};

TEST_F(VarPitchFrame, DownArrowFromTheLastFieldWrapsToTheFirst) {
    for (const FrameWindow& w : kWindows) {
        FormBase* f = open(w.name);
        // Focus moves only inside the active window.
        ASSERT_TRUE(QTest::qWaitForWindowActive(f)) << w.name;
        f->field(w.lastField)->setFocus();
        QTest::keyClick(f->field(w.lastField), Qt::Key_Down);
        EXPECT_EQ(focused(), f->field("Text1_0")) << w.name;
        EXPECT_EQ(f->field("Text1_0")->selectedText(), f->text("Text1_0")) << w.name;
    }
}

TEST_F(VarPitchFrame, EnterInAFieldCalculates) {
    for (const FrameWindow& w : kWindows) {
        FormBase* f = open(w.name);
        QTest::keyClick(f->field("Text1_0"), Qt::Key_Return);
        EXPECT_FALSE(f->text(w.result).isEmpty()) << w.name;
    }
    EXPECT_TRUE(prompts().requests.isEmpty());
}

TEST_F(VarPitchFrame, ActivationFocusesTheFirstFieldExceptInTheThreeSectionWindow) {
    for (const FrameWindow& w : kWindows) {
        FormBase* f = open(w.name);
        ASSERT_TRUE(QTest::qWaitForWindowActive(f)) << w.name;
        f->field(w.lastField)->setFocus();
        ASSERT_TRUE(f->field(w.lastField)->hasFocus()) << w.name;
        QEvent activate(QEvent::WindowActivate);
        QApplication::sendEvent(f, &activate);
        EXPECT_EQ(f->field("Text1_0")->hasFocus(), std::string_view(w.name) != "Form123") << w.name;
    }
}

TEST_F(VarPitchFrame, ClosedWindowLoadsAgainWithItsDefaults) {
    for (const FrameWindow& w : kWindows) {
        FormBase* f = open(w.name);
        const QString firstDefault = f->text("Text1_0");
        type(f, "Text1_0", "99");
        type(f, "Combo1", "65Mn");
        click(f, "Command1");
        click(f, w.exitButton);
        flush();
        EXPECT_EQ(FormRegistry::find(w.name), nullptr) << w.name;
        f = open(w.name);
        EXPECT_EQ(f->text("Text1_0"), firstDefault) << w.name;
        EXPECT_EQ(f->text("Combo1"), StringTable::text(1384)) << w.name;
        EXPECT_EQ(f->text(w.result), "") << w.name;
    }
}

TEST_F(VarPitchFrame, EnglishListFindsItsModulus) {
    StringTable::setLanguage(Language::EnUS);
    FormBase* f = open("Form74");
    EXPECT_EQ(f->text("Combo1"), StringTable::text(1384));
    click(f, "Command1");
    EXPECT_EQ(f->text("Text2"), "39.9378");
    type(f, "Combo1", StringTable::text(1338)); // stainless: G 7000
    click(f, "Command1");
    EXPECT_EQ(f->text("Text3"), "65.6467");
    EXPECT_TRUE(prompts().requests.isEmpty());
}

} // namespace
