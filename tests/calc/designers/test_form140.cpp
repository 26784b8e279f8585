// Quick torsion designer: its worked examples, the rate, torques and free angle that do not
// depend on the wire, ticks that end early or meet a fault, and its own quiet key filter.

#include "QuickDesignerTest.h"

namespace {

const WindowCase kForm140Examples[] = {
    {"OpensWithoutResults",
     "Form140",
     {},
     {{"Text1_0", "18.22"},
      {"Text1_1", "2.083"},
      {"Text1_2", "-12.78"},
      {"Text1_3", "5.52"},
      {"Text1_4", "3.4"},
      {"Text1_5", "9"},
      {"Text1_6", "9.31"},
      {"Text1_7", "9"},
      {"Text1_8", "186000"},
      {"Text1_9", ""},
      {"Text2_0", ""},
      {"Label2_10", "T"}}},
    {"WireZeroPointSeven",
     "Form140",
     {{"Text1_9", "0.7"}},
     {{"Text2_0", "0.7"},
      {"Text2_1", "4.8"},
      {"Text2_2", "4.1"},
      {"Text2_3", "3.4"},
      {"Text2_4", "2.39"},
      {"Text2_5", "2.41"},
      {"Text2_6", "37.01"},
      {"Text2_7", "3.16"},
      {"Text2_8", "19.39"},
      {"Text2_9", "51.39"},
      {"Label2_10", "OK"}}},
    {"WireZeroPointFive",
     "Form140",
     {{"Text1_9", "0.5"}},
     {{"Text2_5", "0.30"},
      {"Text2_6", "37.01"},
      {"Text2_8", "19.39"},
      {"Text2_9", "51.39"},
      {"Label2_10", "NG"}}},
    {"WireZeroPointFourGivesNegativeCoils",
     "Form140",
     {{"Text1_9", "0.4"}},
     {{"Text2_5", "-0.17"},
      {"Text2_6", "37.01"},
      {"Text2_8", "19.39"},
      {"Text2_9", "51.39"},
      {"Label2_10", "NG"}}},
    {"WireOnePointFiveTooManyCoils",
     "Form140",
     {{"Text1_9", "1.5"}},
     {{"Text2_5", "50.38"},
      {"Text2_6", "37.01"},
      {"Text2_8", "19.39"},
      {"Text2_9", "51.39"},
      {"Label2_10", "n太多"}}},
    {"WireOnePointFour",
     "Form140",
     {{"Text1_9", "1.4"}},
     {{"Text2_5", "38.93"},
      {"Text2_6", "37.01"},
      {"Text2_8", "19.39"},
      {"Text2_9", "51.39"},
      {"Label2_10", "OK"}}},
    {"WireZeroIsTwoTenths", "Form140", {{"Text1_9", "0"}}, {{"Text2_0", "0.2"}, {"Text2_2", "3.6"}}},
};
INSTANTIATE_TEST_SUITE_P(Form140, QuickExample, ::testing::ValuesIn(kForm140Examples), caseName<WindowCase>);

// From the design with d = 0.7.
const WindowCase kForm140Keeps[] = {
    {"EmptyWire", "Form140", {{"Text1_9", ""}}, {}},
    {"EmptyModulus", "Form140", {{"Text1_8", ""}}, {}},
    {"EqualLoads", "Form140", {{"Text1_3", "2.083"}}, {}},
    {"NoLoadArm", "Form140", {{"Text1_6", "0"}}, {}},
    {"NoMeanDiameter", "Form140", {{"Text1_4", "-0.7"}}, {}},
    {"NoModulus", "Form140", {{"Text1_8", "0"}}, {}},
    {"NoTwistNoLegs", "Form140", {{"Text1_2", "18.22"}, {"Text1_5", "0"}, {"Text1_7", "0"}}, {}},
    {"MinusAloneInALoad", "Form140", {{"Text1_1", "-"}}, {}},
};
INSTANTIATE_TEST_SUITE_P(Form140, QuickTickKeeps, ::testing::ValuesIn(kForm140Keeps), caseName<WindowCase>);

class Form140Test : public FormTest {};

TEST_F(Form140Test, KeysTakeMinusAndDropSlashAndLettersSilently) {
    FormBase* f = open(QStringLiteral("Form140"));
    ASSERT_TRUE(QTest::qWaitForWindowActive(f));
    QLineEdit* angle = f->field(QStringLiteral("Text1_2"));
    angle->clear();
    angle->setFocus();
    QTest::keyClicks(angle, "-1a/2.5x");
    QTest::keyClick(angle, Qt::Key_Backspace);
    EXPECT_EQ(angle->text(), QStringLiteral("-12."));
    EXPECT_EQ(QApplication::focusWidget(), angle);
    EXPECT_TRUE(prompts().requests.isEmpty());
}

} // namespace
