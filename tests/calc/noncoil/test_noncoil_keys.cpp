// Down-arrow moves and first focus of the non-coil windows, gapped arrays included.
#include "support/FormTest.h"

#include <QApplication>

namespace {

struct DownMove {
    const char* window;
    const char* array;
    int from, to;
};

class NoncoilKeys : public FormTest {
protected:
    static QWidget* focused() { return QApplication::focusWidget(); }
};

TEST_F(NoncoilKeys, DownArrowMoves) {
    const DownMove moves[] = {
        {"Form88", "Text1", 7, 8},    {"Form88", "Text1", 8, 0},    {"Form24", "Text1", 5, 6},
        {"Form24", "Text1", 6, 0},    {"Form126", "Text1", 5, 6},   {"Form126", "Text1", 6, 8},
        {"Form126", "Text1", 14, 15}, {"Form126", "Text1", 15, 17}, {"Form126", "Text1", 17, 0},
        {"Form126", "Text1", 21, 0},  {"Form45", "Text1", 6, 8},    {"Form45", "Text1", 16, 17},
        {"Form45", "Text1", 17, 0},   {"Form45", "Text1", 21, 0},   {"Form46", "Text1", 23, 24},
        {"Form46", "Text1", 24, 0},   {"Form47", "Text1", 24, 0},   {"Form48", "Text1", 13, 0},
    };
    for (const DownMove& m : moves) {
        SCOPED_TRACE(std::string(m.window) + " from " + std::to_string(m.from));
        FormBase* f = open(QString::fromLatin1(m.window));
        ASSERT_TRUE(QTest::qWaitForWindowActive(f));
        QLineEdit* from = f->field(QStringLiteral("%1_%2").arg(QString::fromLatin1(m.array)).arg(m.from));
        QLineEdit* to = f->field(QStringLiteral("%1_%2").arg(QString::fromLatin1(m.array)).arg(m.to));
        to->setText(QStringLiteral("12"));
        from->setFocus();
        QTest::keyClick(from, Qt::Key_Down);
        EXPECT_EQ(focused(), to);
        EXPECT_EQ(to->selectedText(), QStringLiteral("12"));
        FormRegistry::closeAllExcept();
        flush();
    }
}

// The key filter guards result boxes of the array too.
TEST_F(NoncoilKeys, FilterGuardsResultBoxes) {
    FormBase* f = open(QStringLiteral("Form24"));
    QLineEdit* stress = f->field(QStringLiteral("Text1_6"));
    stress->setFocus();
    QTest::keyClicks(stress, QStringLiteral("a"));
    EXPECT_EQ(prompts().lastText(), StringTable::text(1032));
    EXPECT_EQ(stress->text(), QString());
}

TEST_F(NoncoilKeys, FirstFocusOnActivation) {
    struct Row {
        const char* window;
        bool firstField; // the caret goes to Text1_0 each time; otherwise it stays where it was
    };
    const Row rows[] = {{"Form126", true}, {"Form46", true},  {"Form47", true}, {"Form48", true},
                        {"Form45", false}, {"Form88", false}, {"Form24", false}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.window);
        FormBase* f = open(QString::fromLatin1(row.window));
        ASSERT_TRUE(QTest::qWaitForWindowActive(f));
        f->field(QStringLiteral("Text1_3"))->setFocus();
        FormBase* other =
            open(QString::fromLatin1(row.window == std::string("Form126") ? "Form48" : "Form126"));
        ASSERT_TRUE(QTest::qWaitForWindowActive(other));
        f->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(f));
        EXPECT_EQ(focused(), f->field(QString::fromLatin1(row.firstField ? "Text1_0" : "Text1_3")));
        FormRegistry::closeAllExcept();
        flush();
    }
}

} // namespace
