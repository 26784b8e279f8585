// Down-arrow moves, tab order and first focus of the coil-shape windows.
#include "support/FormTest.h"

#include <QApplication>

namespace {

struct DownMove {
    const char* window;
    int from, to;
};

class SectionKeys : public FormTest {
protected:
    static QWidget* focused() { return QApplication::focusWidget(); }
};

TEST_F(SectionKeys, DownArrowMoves) {
    const DownMove moves[] = {
        {"Form82", 5, 6}, {"Form82", 6, 0},  {"Form83", 8, 9},  {"Form83", 9, 0},
        {"Form84", 5, 6}, {"Form84", 9, 10}, {"Form84", 10, 0}, {"Form85", 4, 5},
        {"Form85", 5, 7}, {"Form85", 7, 8},  {"Form85", 8, 0},  {"Form85", 9, 0},
    };
    for (const DownMove& m : moves) {
        SCOPED_TRACE(std::string(m.window) + " from " + std::to_string(m.from));
        FormBase* f = open(QString::fromLatin1(m.window));
        ASSERT_TRUE(QTest::qWaitForWindowActive(f));
        QLineEdit* from = f->field(QStringLiteral("Text1_%1").arg(m.from));
        QLineEdit* to = f->field(QStringLiteral("Text1_%1").arg(m.to));
        to->setText(QStringLiteral("12"));
        from->setFocus();
        QTest::keyClick(from, Qt::Key_Down);
        EXPECT_EQ(focused(), to);
        EXPECT_EQ(to->selectedText(), QStringLiteral("12"));
        FormRegistry::closeAllExcept();
        flush();
    }
}

TEST_F(SectionKeys, ActivationPutsTheCaretIntoTheFirstField) {
    for (const char* window : {"Form82", "Form83", "Form84", "Form85"}) {
        SCOPED_TRACE(window);
        FormBase* f = open(QString::fromLatin1(window));
        ASSERT_TRUE(QTest::qWaitForWindowActive(f));
        f->field(QStringLiteral("Text1_3"))->setFocus();
        FormBase* other = open(QString::fromLatin1(window == std::string("Form82") ? "Form83" : "Form82"));
        ASSERT_TRUE(QTest::qWaitForWindowActive(other));
        f->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(f));
        EXPECT_EQ(focused(), f->field(QStringLiteral("Text1_0")));
        FormRegistry::closeAllExcept();
        flush();
    }
}

TEST_F(SectionKeys, TabOrders) {
    const std::vector<std::pair<const char*, std::vector<const char*>>> orders = {
        {"Form84",
         {"Combo1", "Command2", "Command1", "Text1_4", "Text1_3", "Text1_2", "Text1_1", "Text1_0", "Text1_5",
          "Text1_10", "Text1_9", "Text1_8", "Text1_7", "Text1_6", "Command3"}},
        {"Form85",
         {"Text1_0", "Text1_1", "Text1_2", "Text1_3", "Text1_4", "Text1_5", "Combo1", "Text1_7", "Text1_8",
          "Text1_9", "Command1", "Command2"}},
    };
    for (const auto& [window, names] : orders) {
        SCOPED_TRACE(window);
        FormBase* f = open(QString::fromLatin1(window));
        ASSERT_TRUE(QTest::qWaitForWindowActive(f));
        f->control<QWidget>(QString::fromLatin1(names.front()))->setFocus(Qt::TabFocusReason);
        for (size_t i = 1; i < names.size(); ++i) {
            QTest::keyClick(focused(), Qt::Key_Tab);
            QWidget* expected = f->control<QWidget>(QString::fromLatin1(names[i]));
            // An editable list takes the focus in its own line edit.
            EXPECT_TRUE(focused() == expected || expected->isAncestorOf(focused()))
                << names[i - 1] << " -> " << names[i];
        }
        FormRegistry::closeAllExcept();
        flush();
    }
}

} // namespace
