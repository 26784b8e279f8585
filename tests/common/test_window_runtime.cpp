// The behaviour every window shares: key handling of input fields, the default button,
// one instance per window, fault handling of calculation steps.

#include "common/CheckedMath.h"
#include "common/ui/FormBuilder.h"
#include "support/FormTest.h"

#include <QClipboard>
#include <QGroupBox>
#include <QVBoxLayout>
#include <limits>

namespace {

// A small window laid out like a calculator: an input array of three fields, a result box,
// a calculate button (default) and a button without a default role.
class RuntimeProbe : public FormBase {
public:
    RuntimeProbe() : FormBase(QStringLiteral("RuntimeProbe")) {
        ui::grid(this, {
                           {ui::label("Label1", 1333), ui::edit("Text1_0")},
                           {ui::label("Label2", 1332), ui::edit("Text1_1")},
                           {ui::label("Label3", 1373), ui::edit("Text1_2", "7")},
                           {ui::result("Text8"), ui::button("Command1", 1357), ui::button("Command2", 1321)},
                       });
        attachInputArray(QStringLiteral("Text1"));
        setDefaultButton(button(QStringLiteral("Command1")));
        setFirstField(field(QStringLiteral("Text1_0")));
        onClick(QStringLiteral("Command1"), [this] {
            ++calculations;
            setText(QStringLiteral("Text8"), QStringLiteral("before"));
            setNumber(QStringLiteral("Text8"), num::div(1, number(QStringLiteral("Text1_1"))), u"0.00");
        });
    }
    int calculations = 0;
};
SPIRELTA_REGISTER_FORM(RuntimeProbe)

// A window with a single field and no default button.
class SingleFieldProbe : public FormBase {
public:
    SingleFieldProbe() : FormBase(QStringLiteral("SingleFieldProbe")) {
        ui::grid(this, {{ui::edit("Text1_0", "abc")}});
        attachInputArray(QStringLiteral("Text1"));
    }
};
SPIRELTA_REGISTER_FORM(SingleFieldProbe)

// An array with a gap in its indices (no Text1_1, no Text1_3), created out of index order.
class GapArrayProbe : public FormBase {
public:
    GapArrayProbe() : FormBase(QStringLiteral("GapArrayProbe")) {
        ui::grid(
            this,
            {{ui::edit("Text1_4")}, {ui::edit("Text1_0")}, {ui::edit("Text1_2")}, {ui::edit("Text1_x")}});
        attachInputArray(QStringLiteral("Text1"));
    }
};
SPIRELTA_REGISTER_FORM(GapArrayProbe)

class WindowRuntime : public FormTest {
protected:
    // Focus moves only inside the active window, so wait until the window is active.
    RuntimeProbe* probe() {
        RuntimeProbe* f = open<RuntimeProbe>(QStringLiteral("RuntimeProbe"));
        EXPECT_TRUE(QTest::qWaitForWindowActive(f));
        return f;
    }
    static QLineEdit* focused() { return qobject_cast<QLineEdit*>(QApplication::focusWidget()); }
};

TEST_F(WindowRuntime, DownArrowMovesToNextFieldAndWrapsSelectingText) {
    RuntimeProbe* f = probe();
    f->setText("Text1_0", "12");
    f->setText("Text1_1", "345");
    f->field("Text1_0")->setFocus();
    QTest::keyClick(f->field("Text1_0"), Qt::Key_Down);
    EXPECT_EQ(focused(), f->field("Text1_1"));
    EXPECT_EQ(f->field("Text1_1")->selectedText(), "345");
    QTest::keyClick(f->field("Text1_1"), Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_EQ(focused(), f->field("Text1_2"));
    QTest::keyClick(f->field("Text1_2"), Qt::Key_Down);
    EXPECT_EQ(focused(), f->field("Text1_0"));
    EXPECT_EQ(f->field("Text1_0")->selectedText(), "12");
    QTest::keyClick(f->field("Text1_0"), Qt::Key_Up);
    EXPECT_EQ(focused(), f->field("Text1_0"));
}

TEST_F(WindowRuntime, DownArrowInOneFieldArrayReselectsIt) {
    FormBase* f = open(QStringLiteral("SingleFieldProbe"));
    f->field("Text1_0")->setFocus();
    f->field("Text1_0")->deselect();
    QTest::keyClick(f->field("Text1_0"), Qt::Key_Down);
    EXPECT_EQ(f->field("Text1_0")->selectedText(), "abc");
}

TEST_F(WindowRuntime, ArrayWithAGapTakesEveryItemInIndexOrder) {
    FormBase* f = open(QStringLiteral("GapArrayProbe"));
    ASSERT_TRUE(QTest::qWaitForWindowActive(f));
    const QList<QLineEdit*> items = f->inputArray(QStringLiteral("Text1"));
    ASSERT_EQ(items.size(), 3);
    EXPECT_EQ(items[0], f->field("Text1_0"));
    EXPECT_EQ(items[1], f->field("Text1_2"));
    EXPECT_EQ(items[2], f->field("Text1_4"));
    // Down goes to the next higher index and wraps only after the highest.
    f->field("Text1_0")->setFocus();
    QTest::keyClick(f->field("Text1_0"), Qt::Key_Down);
    EXPECT_EQ(focused(), f->field("Text1_2"));
    QTest::keyClick(f->field("Text1_2"), Qt::Key_Down);
    EXPECT_EQ(focused(), f->field("Text1_4"));
    QTest::keyClick(f->field("Text1_4"), Qt::Key_Down);
    EXPECT_EQ(focused(), f->field("Text1_0"));
    // The items after the gap filter keys like the others; a name that is no index is not an item.
    QTest::keyClick(f->field("Text1_4"), Qt::Key_A);
    EXPECT_EQ(prompts().lastText(), StringTable::text(1032));
    prompts().clear();
    QTest::keyClick(f->field("Text1_x"), Qt::Key_A);
    EXPECT_TRUE(prompts().requests.isEmpty());
}

TEST_F(WindowRuntime, KeyFilterLetsNumberCharactersThrough) {
    RuntimeProbe* f = probe();
    f->field("Text1_0")->setFocus();
    QTest::keyClicks(f->field("Text1_0"), "12/5.3.4");
    QTest::keyClick(f->field("Text1_0"), Qt::Key_Backspace);
    EXPECT_EQ(f->text("Text1_0"), "12/5.3.");
    EXPECT_TRUE(prompts().requests.isEmpty());
}

TEST_F(WindowRuntime, KeyFilterRefusesOtherCharactersWithMessage) {
    struct Case {
        const char* name;
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        char character;
    };
    const Case cases[] = {
        {"minus", Qt::Key_Minus, Qt::NoModifier, '-'}, {"comma", Qt::Key_Comma, Qt::NoModifier, ','},
        {"letter e", Qt::Key_E, Qt::NoModifier, 'e'},  {"space", Qt::Key_Space, Qt::NoModifier, ' '},
        {"paste", Qt::Key_V, Qt::ControlModifier, 0},  {"escape", Qt::Key_Escape, Qt::NoModifier, 0},
    };
    RuntimeProbe* f = probe();
    QApplication::clipboard()->setText(QStringLiteral("999"));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        prompts().clear();
        f->setText("Text1_1", "12");
        f->field("Text1_1")->setFocus();
        f->field("Text1_1")->end(false);
        if (c.character)
            QTest::keyClick(f->field("Text1_1"), c.character, c.modifiers);
        else
            QTest::keyClick(f->field("Text1_1"), c.key, c.modifiers);
        EXPECT_EQ(f->text("Text1_1"), "12");
        ASSERT_EQ(prompts().requests.size(), 1);
        EXPECT_EQ(prompts().requests[0].text, StringTable::text(1032));
        EXPECT_EQ(prompts().requests[0].title, StringTable::text(1318));
        EXPECT_EQ(prompts().requests[0].icon, PromptIcon::Information);
        EXPECT_EQ(prompts().requests[0].buttons, PromptButtons::Ok);
        EXPECT_EQ(focused(), f->field("Text1_1"));
    }
}

TEST_F(WindowRuntime, EnterClicksDefaultButtonWithoutMessage) {
    RuntimeProbe* f = probe();
    f->setText("Text1_1", "4");
    QTest::keyClick(f->field("Text1_1"), Qt::Key_Return);
    EXPECT_EQ(f->calculations, 1);
    EXPECT_EQ(f->text("Text8"), "0.25");
    EXPECT_TRUE(prompts().requests.isEmpty());
}

TEST_F(WindowRuntime, EnterWithoutDefaultButtonIsRefusedLikeAnyCharacter) {
    FormBase* f = open(QStringLiteral("SingleFieldProbe"));
    QTest::keyClick(f->field("Text1_0"), Qt::Key_Return);
    ASSERT_EQ(prompts().requests.size(), 1);
    EXPECT_EQ(prompts().requests[0].text, StringTable::text(1032));
}

TEST_F(WindowRuntime, ArithmeticFaultStopsStepKeepsEarlierWritesAndShows1035) {
    RuntimeProbe* f = probe();
    f->setText("Text1_1", "0");
    f->button("Command1")->click();
    EXPECT_EQ(f->text("Text8"), "before");
    ASSERT_EQ(prompts().requests.size(), 1);
    EXPECT_EQ(prompts().requests[0].text, StringTable::text(1035));
    EXPECT_EQ(prompts().requests[0].title, StringTable::text(1318));
}

TEST_F(WindowRuntime, NonFiniteNumberIsNeverWrittenIntoAControl) {
    RuntimeProbe* f = probe();
    f->setText("Text8", "1.00");
    const bool completed =
        f->runGuarded([f] { f->setNumber("Text8", std::numeric_limits<double>::infinity(), u"0.00"); });
    EXPECT_FALSE(completed);
    EXPECT_EQ(f->text("Text8"), "1.00");
    EXPECT_EQ(prompts().lastText(), StringTable::text(1035));
    EXPECT_FALSE(f->runGuarded([f] { f->setNumber("Text8", std::nan("")); }));
    EXPECT_EQ(f->text("Text8"), "1.00");
}

TEST_F(WindowRuntime, RegistryKeepsOneInstanceAndReloadsAfterClose) {
    RuntimeProbe* first = probe();
    first->setText("Text1_0", "5");
    EXPECT_EQ(probe(), first);
    EXPECT_EQ(first->text("Text1_0"), "5");

    first->close();
    EXPECT_EQ(FormRegistry::find("RuntimeProbe"), nullptr);
    EXPECT_EQ(FormRegistry::readText("RuntimeProbe", "Text1_2"), "");
    EXPECT_EQ(FormRegistry::find("RuntimeProbe"), nullptr) << "reading must not load the window";
    flush();

    RuntimeProbe* again = probe();
    EXPECT_EQ(again->text("Text1_0"), "");
    EXPECT_EQ(again->text("Text1_2"), "7");
}

TEST_F(WindowRuntime, WritingIntoAClosedWindowLoadsItHidden) {
    FormRegistry::writeText("RuntimeProbe", "Text1_0", "42");
    FormBase* f = FormRegistry::find("RuntimeProbe");
    ASSERT_NE(f, nullptr);
    EXPECT_FALSE(f->isVisible());
    EXPECT_EQ(FormRegistry::readText("RuntimeProbe", "Text1_0"), "42");
}

TEST_F(WindowRuntime, UnknownWindowIsNotOpened) {
    EXPECT_EQ(FormRegistry::show("NoSuchWindow"), nullptr);
    FormBase* f = probe();
    FormRegistry::switchTo(f, "NoSuchWindow");
    EXPECT_FALSE(f->isClosed()) << "a mode switch to a missing window must keep the current one";
}

TEST_F(WindowRuntime, ModeSwitchShowsCounterpartAndClosesCurrent) {
    FormBase* f = probe();
    f->setText("Text1_0", "9");
    FormRegistry::switchTo(f, "SingleFieldProbe");
    EXPECT_TRUE(f->isClosed());
    EXPECT_NE(FormRegistry::find("SingleFieldProbe"), nullptr);
    flush();
    FormRegistry::switchTo(FormRegistry::find("SingleFieldProbe"), "RuntimeProbe");
    EXPECT_EQ(FormRegistry::readText("RuntimeProbe", "Text1_0"), "") << "nothing is passed or kept";
}

TEST_F(WindowRuntime, ActivationPutsCaretIntoFirstField) {
    RuntimeProbe* f = probe();
    ASSERT_TRUE(QTest::qWaitForWindowActive(f));
    f->field("Text1_2")->setFocus();
    FormBase* other = open(QStringLiteral("SingleFieldProbe"));
    ASSERT_TRUE(QTest::qWaitForWindowActive(other));
    f->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(f));
    EXPECT_EQ(focused(), f->field("Text1_0"));
}

} // namespace
