// Down arrow and the key filter over the arrays that hold inputs and results, gaps included.

#include "support/FormTest.h"

namespace {

struct DownStep {
    const char* window;
    const char* from;
    const char* to;
};

class SectionArrayKeys : public FormTest, public ::testing::WithParamInterface<DownStep> {};

TEST_P(SectionArrayKeys, DownArrowGoesToTheNextExistingItem) {
    const DownStep& step = GetParam();
    FormBase* f = open(step.window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(f));
    f->setText(step.to, "12");
    f->field(step.from)->setFocus();
    QTest::keyClick(f->field(step.from), Qt::Key_Down);
    EXPECT_EQ(QApplication::focusWidget(), f->field(step.to));
    EXPECT_EQ(f->field(step.to)->selectedText(), "12");
}

const DownStep kSteps[] = {
    {"Form64", "Text1_5", "Text1_7"},  {"Form64", "Text1_10", "Text1_11"}, {"Form64", "Text1_11", "Text1_0"},
    {"Form43", "Text1_5", "Text1_7"},  {"Form43", "Text1_8", "Text1_9"},   {"Form43", "Text1_9", "Text1_0"},
    {"Form35", "Text1_5", "Text1_6"},  {"Form35", "Text1_11", "Text1_0"},  {"Form33", "Text1_5", "Text1_0"},
    {"Form34", "Text1_17", "Text1_0"}, {"Form70", "Text1_3", "Text1_0"},   {"Form81", "Text1_6", "Text1_0"},
};
INSTANTIATE_TEST_SUITE_P(Sections, SectionArrayKeys, ::testing::ValuesIn(kSteps),
                         [](const ::testing::TestParamInfo<DownStep>& info) {
                             return std::string(info.param.window) + "_" + info.param.from;
                         });

class SectionResultKeys : public FormTest {};

TEST_F(SectionResultKeys, ResultBoxesOfTheArrayFilterKeysLikeInputs) {
    for (const char* window : {"Form64", "Form43", "Form34"}) {
        FormBase* f = open(window);
        QLineEdit* result = f->field(window == QLatin1String("Form34") ? "Text1_16" : "Text1_9");
        QTest::keyClicks(result, "1/2");
        EXPECT_EQ(result->text(), "1/2") << window;
        QTest::keyClick(result, Qt::Key_A);
        EXPECT_EQ(result->text(), "1/2") << window;
        EXPECT_EQ(prompts().lastText(), StringTable::text(1032)) << window;
    }
}

} // namespace
