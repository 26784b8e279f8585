// The one test of each shared table. This file is compiled once and linked into every test
// program, so the rows that a program's test files list run there.

#include "common/StringTable.h"
#include "support/WindowCases.h"

TEST_P(WindowExample, ShowsTheExpectedTexts) {
    const WindowCase& c = GetParam();
    FormBase* f = open(QString::fromLatin1(c.window));
    ASSERT_NE(f, nullptr);
    typeAll(f, c.inputs);
    click(f, QString::fromLatin1(c.button));
    EXPECT_TRUE(prompts().requests.isEmpty()) << qPrintable(prompts().lastText());
    expectTexts(f, c.expected);
    expectNoNonFinite(f);
}

TEST_P(RequiredField, NamesTheFirstEmptyField) {
    const RequiredCase& c = GetParam();
    FormBase* f = open(QString::fromLatin1(c.window));
    ASSERT_NE(f, nullptr);
    typeAll(f, c.inputs);
    std::vector<QString> before;
    for (const char* box : c.untouched)
        before.push_back(f->text(QString::fromLatin1(box)));
    click(f, QString::fromLatin1(c.button));
    ASSERT_EQ(prompts().requests.size(), 1);
    EXPECT_EQ(prompts().requests.first().text, StringTable::text(1383) + StringTable::text(c.captionId));
    EXPECT_EQ(prompts().requests.first().title, StringTable::text(1318));
    for (size_t i = 0; i < c.untouched.size(); ++i)
        EXPECT_EQ(f->text(QString::fromLatin1(c.untouched[i])), before[i]) << c.untouched[i];
}

TEST_P(InputFault, ShowsTheInputErrorAndNoNonFiniteText) {
    const FaultCase& c = GetParam();
    FormBase* f = open(QString::fromLatin1(c.window));
    ASSERT_NE(f, nullptr);
    typeAll(f, c.inputs);
    click(f, QString::fromLatin1(c.button));
    ASSERT_FALSE(prompts().requests.isEmpty());
    EXPECT_EQ(prompts().lastText(), StringTable::text(1035));
    expectNoNonFinite(f);
}

// A program whose files list no rows of a kind still compiles the tests above.
GTEST_ALLOW_UNINSTANTIATED_PARAMETERIZED_TEST(WindowExample);
GTEST_ALLOW_UNINSTANTIATED_PARAMETERIZED_TEST(RequiredField);
GTEST_ALLOW_UNINSTANTIATED_PARAMETERIZED_TEST(InputFault);
