#include "NoncoilWindowTests.h"

#include "common/StringTable.h"

TEST_P(StopsPartWay, KeepsWhatWasWrittenBeforeTheFault) {
    const StopCase& c = GetParam();
    FormBase* f = open(QString::fromLatin1(c.window));
    ASSERT_NE(f, nullptr);
    for (const char* box : c.kept)
        f->setText(QString::fromLatin1(box), QStringLiteral("keep"));
    for (const ControlText& s : c.shown)
        f->setText(QString::fromLatin1(s.control), QStringLiteral("keep"));
    typeAll(f, c.inputs);
    click(f, QStringLiteral("Command1"));
    ASSERT_EQ(prompts().requests.size(), 1);
    EXPECT_EQ(prompts().lastText(), StringTable::text(1035));
    expectTexts(f, c.shown);
    for (const char* box : c.kept)
        EXPECT_EQ(f->text(QString::fromLatin1(box)), QStringLiteral("keep")) << box;
    expectNoNonFinite(f);
}

TEST_P(DownArrow, MovesToTheNextElementByTheArrayRule) {
    const DownCase& c = GetParam();
    FormBase* f = open(QString::fromLatin1(c.window));
    ASSERT_NE(f, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowActive(f));
    QLineEdit* from = f->field(QString::fromLatin1(c.from));
    from->setFocus();
    from->setText(QStringLiteral("12"));
    QTest::keyClick(from, Qt::Key_Down);
    EXPECT_EQ(QApplication::focusWidget(), f->control(QString::fromLatin1(c.to)));
    EXPECT_TRUE(prompts().requests.isEmpty());
}

TEST_P(OpeningFocus, StartsInTheFirstControlOfTheTabOrder) {
    const FocusCase& c = GetParam();
    FormBase* f = open(QString::fromLatin1(c.window));
    ASSERT_NE(f, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowActive(f));
    EXPECT_EQ(QApplication::focusWidget(), f->control(QString::fromLatin1(c.focused)));
}

GTEST_ALLOW_UNINSTANTIATED_PARAMETERIZED_TEST(StopsPartWay);
GTEST_ALLOW_UNINSTANTIATED_PARAMETERIZED_TEST(DownArrow);
GTEST_ALLOW_UNINSTANTIATED_PARAMETERIZED_TEST(OpeningFocus);
