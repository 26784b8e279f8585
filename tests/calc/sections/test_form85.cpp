// Elliptical-section torsion spring: examples, the angle's own message and the faults.
#include "SectionCases.h"

namespace {

const std::vector<ControlText> kSpring = {{"Text1_0", "1"}, {"Text1_1", "2"},  {"Text1_2", "10"},
                                          {"Text1_3", "5"}, {"Text1_4", "90"}, {"Text1_5", "20"}};

const WindowCase kExamples[] = {
    {"SpringSteel",
     "Form85",
     kSpring,
     {{"Text1_7", "2.243052"}, {"Text1_8", "201.87"}, {"Text1_9", "10.09"}}},
    {"DoubleB",
     "Form85",
     with(kSpring, {{"Text1_1", "4"}}),
     {{"Text1_7", "4.486104"}, {"Text1_8", "403.75"}, {"Text1_9", "20.19"}}},
    {"DoubleA",
     "Form85",
     with(kSpring, {{"Text1_0", "2"}}),
     {{"Text1_7", "17.944414"}, {"Text1_8", "1615.00"}, {"Text1_9", "80.75"}}},
    {"DoubleArm",
     "Form85",
     with(kSpring, {{"Text1_5", "40"}}),
     {{"Text1_7", "2.243052"}, {"Text1_8", "201.87"}, {"Text1_9", "5.05"}}},
    {"PhosphorBronze", "Form85", with(kSpring, {{"Combo1", "磷青铜线 PBW"}}), {{"Text1_7", "1.068120"}}},
    {"UnknownMaterial",
     "Form85",
     with(kSpring, {{"Combo1", "x"}}),
     {{"Text1_7", "0.000000"}, {"Text1_8", "0.00"}, {"Text1_9", "0.00"}}},
};
INSTANTIATE_TEST_SUITE_P(Form85, WindowExample, ::testing::ValuesIn(kExamples), caseName<WindowCase>);

const RequiredCase kRequired[] = {
    {"AllEmpty", "Form85", {}, 1672},
    {"AngleNamedByItsLongCaption", "Form85", with(kSpring, {{"Text1_4", ""}}), 1670, "Command1", {"Text1_7"}},
    {"Arm", "Form85", with(kSpring, {{"Text1_5", ""}}), 1669},
};
INSTANTIATE_TEST_SUITE_P(Form85, RequiredField, ::testing::ValuesIn(kRequired), caseName<RequiredCase>);

class Form85Test : public FormTest {};

TEST_F(Form85Test, FaultsStopAtTheirStep) {
    FormBase* f = open(QStringLiteral("Form85"));
    for (const char* box : {"Text1_7", "Text1_8", "Text1_9"})
        f->setText(QString::fromLatin1(box), QStringLiteral("old"));
    typeAll(f, with(kSpring, {{"Text1_5", "0"}}));
    click(f, QStringLiteral("Command1"));
    EXPECT_EQ(prompts().lastText(), StringTable::text(1035));
    EXPECT_EQ(f->text(QStringLiteral("Text1_8")), QStringLiteral("201.87"));
    EXPECT_EQ(f->text(QStringLiteral("Text1_9")), QStringLiteral("old"));

    prompts().clear();
    typeAll(f, with(kSpring, {{"Text1_2", "0"}}));
    f->setText(QStringLiteral("Text1_7"), QStringLiteral("old"));
    click(f, QStringLiteral("Command1"));
    EXPECT_EQ(prompts().lastText(), StringTable::text(1035));
    EXPECT_EQ(f->text(QStringLiteral("Text1_7")), QStringLiteral("old"));
    expectNoNonFinite(f);
}

TEST_F(Form85Test, ResetKeepsTheMaterial) {
    FormBase* f = open(QStringLiteral("Form85"));
    typeAll(f, with(kSpring, {{"Combo1", "17-7"}}));
    click(f, QStringLiteral("Command1"));
    click(f, QStringLiteral("Command2"));
    for (const char* name : {"Text1_0", "Text1_5", "Text1_7", "Text1_9"})
        EXPECT_EQ(f->text(QString::fromLatin1(name)), QString()) << name;
    EXPECT_EQ(f->text(QStringLiteral("Combo1")), QStringLiteral("17-7"));
    EXPECT_EQ(f->text(QStringLiteral("Label1_12")), QStringLiteral("N.mm/°"));
}

} // namespace
