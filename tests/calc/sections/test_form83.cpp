// Egg-shaped coil spring: the worked example, the big radius that enters no formula, messages
// and the faults part way.
#include "support/WindowCases.h"

namespace {

const std::vector<ControlText> kSpring = {
    {"Text1_0", "3"},    {"Text1_1", "15"},   {"Text1_2", "10"},  {"Text1_3", "40"}, {"Text1_4", "0.5"},
    {"Text1_5", "1.02"}, {"Text1_6", "0.85"}, {"Text1_7", "1.2"}, {"Text1_8", "6"},  {"Text1_9", "20"}};

const std::vector<ControlText> kShown = {{"Text2_0", "0.4219"},  {"Text2_1", "8.4375"}, {"Text2_2", "6.67"},
                                         {"Text2_3", "38.9610"}, {"Text2_4", "28.50"},  {"Text2_5", "52.50"},
                                         {"Text2_6", "7.00"},    {"Text2_7", "854.52"}, {"Text2_8", "3.75"}};

const WindowCase kExamples[] = {
    {"SpringSteel", "Form83", kSpring, kShown},
    {"BigRadiusEntersNoFormula", "Form83", with(kSpring, {{"Text1_1", "30"}}), kShown},
    {"UnknownMaterial", "Form83", with(kSpring, {{"Combo1", "unobtainium"}}),
     with(kShown, {{"Text2_0", "0.0000"}, {"Text2_1", "0.0000"}, {"Text2_3", "0.0000"}})},
};
INSTANTIATE_TEST_SUITE_P(Form83, WindowExample, ::testing::ValuesIn(kExamples), caseName<WindowCase>);

const RequiredCase kRequired[] = {
    {"AllEmpty", "Form83", {}, 1333},
    {"Deflection", "Form83", with(kSpring, {{"Text1_9", ""}}), 1917, "Command1", {"Text2_0"}},
    {"LengthFactor", "Form83", with(kSpring, {{"Text1_6", ""}}), 1907},
};
INSTANTIATE_TEST_SUITE_P(Form83, RequiredField, ::testing::ValuesIn(kRequired), caseName<RequiredCase>);

class Form83Test : public FormTest {};

// A fault keeps what was written before its step and leaves the later boxes as they were.
TEST_F(Form83Test, FaultsStopAtTheirStep) {
    struct Row {
        const char* name;
        std::vector<ControlText> inputs;
        std::vector<ControlText> written;
        std::vector<const char*> untouched;
    };
    const Row rows[] = {
        {"NoCoils", with(kSpring, {{"Text1_8", "0"}}), {}, {"Text2_0", "Text2_8"}},
        {"NoDeformationFactor", with(kSpring, {{"Text1_4", "0"}}), {}, {"Text2_0"}},
        {"NoWire",
         with(kSpring, {{"Text1_0", "0"}}),
         {{"Text2_0", "0.0000"}, {"Text2_1", "0.0000"}},
         {"Text2_2"}},
        // The helix angle divides by the coil length: s = 0 stops after L, never showing 90°.
        {"NoLengthFactor",
         with(kSpring, {{"Text1_6", "0"}}),
         {{"Text2_6", "7.00"}, {"Text2_7", "0.00"}},
         {"Text2_8"}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        FormBase* f = open(QStringLiteral("Form83"));
        for (int i = 0; i <= 8; ++i)
            f->setText(QStringLiteral("Text2_%1").arg(i), QStringLiteral("old"));
        typeAll(f, row.inputs);
        click(f, QStringLiteral("Command1"));
        EXPECT_EQ(prompts().lastText(), StringTable::text(1035));
        expectTexts(f, row.written);
        for (const char* box : row.untouched)
            EXPECT_EQ(f->text(QString::fromLatin1(box)), QStringLiteral("old")) << box;
        expectNoNonFinite(f);
        prompts().clear();
    }
}

TEST_F(Form83Test, ResetEmptiesInputsAndResults) {
    FormBase* f = open(QStringLiteral("Form83"));
    typeAll(f, kSpring);
    click(f, QStringLiteral("Command1"));
    click(f, QStringLiteral("Command2"));
    for (const char* name : {"Text1_0", "Text1_9", "Text2_0", "Text2_8"})
        EXPECT_EQ(f->text(QString::fromLatin1(name)), QString()) << name;
    click(f, QStringLiteral("Command1"));
    EXPECT_EQ(prompts().lastText(), StringTable::text(1383) + StringTable::text(1333));
}

} // namespace
