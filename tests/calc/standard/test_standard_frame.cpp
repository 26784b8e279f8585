// The frame shared by the six standard-based designers: loading, the three lists, reset, exit
// and the shape of the calculation around each window's formula.

#include "calc/standard/StandardDesignerFrame.h"
#include "common/StringTable.h"
#include "support/FormTest.h"

#include <QComboBox>
#include <QLabel>
#include <QTest>
#include <string>
#include <vector>

namespace {

const QString kWire = QStringLiteral("求钢丝直径");

class StandardFrame : public FormTest {
protected:
    // A pick from a list, as the user makes it: the item becomes current and the list reports it.
    static void pick(FormBase* f, const char* list, const QString& item) {
        QComboBox* c = f->comboBox(QString::fromLatin1(list));
        const int i = c->findText(item);
        ASSERT_GE(i, 0) << list << " has no item " << qPrintable(item);
        c->setCurrentIndex(i);
        emit c->activated(i);
    }
    static void pickText(FormBase* f, const char* list, int textId) {
        pick(f, list, StringTable::text(textId));
    }
    static QString t(FormBase* f, const char* name) { return f->text(QString::fromLatin1(name)); }
    static bool hidden(FormBase* f, const char* name) {
        return f->control<QWidget>(QString::fromLatin1(name))->isHidden();
    }
    static void typeIn(FormBase* f, std::initializer_list<std::pair<const char*, const char*>> texts) {
        for (const auto& [name, text] : texts)
            type(f, QString::fromLatin1(name), QString::fromUtf8(text));
    }
};

struct FreshCase {
    const char* window;
    int captionId;
    int resultCaptionId;  // Label2
    int modulusCaptionId; // Label5
    const char* modulus;  // Text2
    const char* loadUnit; // the label that shows "Kgf" or "N"
    std::vector<int> choices;
    std::vector<const char*> fields;
};

const FreshCase kFresh[] = {
    {"Form65",
     1053,
     1360,
     1567,
     "8000",
     "Label20",
     {2287, 2288, 2289, 2290, 2291},
     {"Text3", "Text4", "Text5", "Text6", "Text7", "Text8"}},
    {"Form66",
     1054,
     1812,
     1562,
     "21000",
     "Label21",
     {2287, 2288, 2289, 2293, 2291},
     {"Text3", "Text4", "Text5", "Text6", "Text7", "Text8", "Text9", "Text10"}},
    {"Form67",
     1056,
     1812,
     1567,
     "8000",
     "Label20",
     {2287, 2288, 2289, 2292, 2291},
     {"Text3", "Text4", "Text5", "Text6", "Text7", "Text8"}},
    {"Form68",
     1057,
     1812,
     1567,
     "8000",
     "Label20",
     {2287, 2288, 2289, 2290},
     {"Text3", "Text4", "Text5", "Text6", "Text7", "Text8"}},
    {"Form69",
     1058,
     1812,
     1567,
     "8000",
     "Label20",
     {2287, 2288, 2289, 2290},
     {"Text3", "Text4", "Text5", "Text6", "Text7", "Text8"}},
    {"Form86",
     1059,
     1812,
     1567,
     "8000",
     "Label20",
     {2287, 2288, 2289, 2290},
     {"Text3", "Text4", "Text5", "Text6", "Text7", "Text8"}},
};

class FreshDesigner : public StandardFrame, public ::testing::WithParamInterface<FreshCase> {};

TEST_P(FreshDesigner, SolvesForTheWireDiameterWithTheFirstMaterialInKgf) {
    const FreshCase& c = GetParam();
    FormBase* f = open(QString::fromLatin1(c.window));
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(f->windowTitle(), StringTable::text(c.captionId));
    EXPECT_EQ(t(f, "Label2"), StringTable::text(c.resultCaptionId));
    EXPECT_EQ(t(f, "Label5"), StringTable::text(c.modulusCaptionId));
    EXPECT_EQ(t(f, "Combo1"), kWire);
    EXPECT_EQ(t(f, "Label3"), QStringLiteral("mm"));
    EXPECT_EQ(t(f, "Combo2"), QStringLiteral("弹簧钢 SUP"));
    EXPECT_EQ(f->comboBox(QStringLiteral("Combo2"))->count(), 25);
    EXPECT_EQ(t(f, "Text2"), QString::fromLatin1(c.modulus));
    EXPECT_EQ(t(f, "Combo3"), QStringLiteral("Kgf/mm2"));
    EXPECT_EQ(t(f, "Label9"), QStringLiteral("Kgf/mm2"));
    EXPECT_EQ(t(f, c.loadUnit), QStringLiteral("Kgf"));
    EXPECT_EQ(t(f, "Label1"), StringTable::text(1811));
    EXPECT_EQ(t(f, "Label7"), StringTable::text(1814));
    EXPECT_EQ(f->control<QLabel>(QStringLiteral("Picture2"))->toolTip(), QStringLiteral("请输入料号"));
    EXPECT_FALSE(f->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));

    QStringList items;
    QComboBox* list = f->comboBox(QStringLiteral("Combo1"));
    for (int i = 0; i < list->count(); ++i)
        items << list->itemText(i);
    QStringList expected;
    for (int id : c.choices)
        expected << StringTable::text(id);
    EXPECT_EQ(items, expected);

    for (const char* name : {"Label8", "Text3", "Label10"})
        EXPECT_TRUE(hidden(f, name)) << name;
    EXPECT_EQ(t(f, "Text1"), QString());
    for (const char* field : c.fields) {
        EXPECT_EQ(t(f, field), QString()) << field;
        if (std::string(field) != "Text3") {
            EXPECT_FALSE(hidden(f, field)) << field;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(StandardDesigners, FreshDesigner, ::testing::ValuesIn(kFresh),
                         [](const auto& info) { return std::string(info.param.window); });

TEST_F(StandardFrame, TorsionShowsItsOwnCaptionsAndDesignSteps) {
    FormBase* f = open(QStringLiteral("Form66"));
    EXPECT_EQ(t(f, "Label24"), QStringLiteral("°"));
    EXPECT_EQ(t(f, "Label22"), StringTable::text(1823));
    EXPECT_EQ(t(f, "Label26"), StringTable::text(1818));
    EXPECT_EQ(t(f, "Label25"), StringTable::text(1819));
    EXPECT_EQ(t(f, "Label11"), StringTable::text(1822));
    EXPECT_EQ(t(f, "Label15"), StringTable::text(1821));
}

struct SwitchCase {
    const char* name;
    const char* window;
    int choiceId;
    const char* resultUnit;
    std::vector<const char*> hiddenFields;
};

const SwitchCase kSwitches[] = {
    {"Form65Wire", "Form65", 2287, "mm", {"Text3"}},
    {"Form65Coils", "Form65", 2288, "T", {"Text7"}},
    {"Form65Rate", "Form65", 2289, "", {"Text4", "Text6", "Text8"}},
    {"Form65Load", "Form65", 2290, "", {"Text8"}},
    {"Form65MeanDiameter", "Form65", 2291, "mm", {"Text5"}},
    {"Form66Wire", "Form66", 2287, "mm", {"Text3"}},
    {"Form66Coils", "Form66", 2288, "T", {"Text7"}},
    {"Form66Rate", "Form66", 2289, "", {"Text8", "Text9", "Text10"}},
    {"Form66Load", "Form66", 2293, "", {"Text9"}},
    {"Form66MeanDiameter", "Form66", 2291, "mm", {"Text5"}},
    {"Form67Rate", "Form67", 2289, "", {"Text4", "Text6", "Text8"}},
    {"Form67Load", "Form67", 2292, "", {"Text8"}},
    {"Form67MeanDiameter", "Form67", 2291, "mm", {"Text5"}},
    {"Form68Coils", "Form68", 2288, "T", {"Text5"}},
    {"Form68Rate", "Form68", 2289, "", {"Text6", "Text8"}},
    {"Form69Load", "Form69", 2290, "", {"Text8"}},
    {"Form86Wire", "Form86", 2287, "mm", {"Text3"}},
};

class SolveForSwitch : public StandardFrame, public ::testing::WithParamInterface<SwitchCase> {};

TEST_P(SolveForSwitch, ShowsTheResultUnitAndHidesWholeGroups) {
    const SwitchCase& c = GetParam();
    FormBase* f = open(QString::fromLatin1(c.window));
    ASSERT_NE(f, nullptr);
    // Start from a choice that hides something else, so every group has to move.
    pickText(f, "Combo1", c.choiceId == 2288 ? 2289 : 2288);
    type(f, QStringLiteral("Text1"), QStringLiteral("1.5"));
    pickText(f, "Combo1", c.choiceId);
    EXPECT_EQ(t(f, "Label3"), QString::fromLatin1(c.resultUnit));
    EXPECT_EQ(t(f, "Text1"), QStringLiteral("1.5"));
    const int last = std::string(c.window) == "Form66" ? 10 : 8;
    for (int i = 3; i <= last; ++i) {
        const std::string field = "Text" + std::to_string(i);
        bool shouldHide = false;
        for (const char* h : c.hiddenFields)
            shouldHide = shouldHide || field == h;
        EXPECT_EQ(hidden(f, field.c_str()), shouldHide) << field;
    }
}

INSTANTIATE_TEST_SUITE_P(StandardDesigners, SolveForSwitch, ::testing::ValuesIn(kSwitches),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(StandardFrame, GroupsComeBackWithTheirTextsAndLabels) {
    FormBase* f = open(QStringLiteral("Form65"));
    typeIn(f, {{"Text4", "50"}, {"Text6", "40"}, {"Text8", "2"}});
    pickText(f, "Combo1", 2289);
    for (const char* name :
         {"Label11", "Text4", "Label12", "Label15", "Text6", "Label16", "Label19", "Text8", "Label20"})
        EXPECT_TRUE(hidden(f, name)) << name;
    EXPECT_FALSE(hidden(f, "Text3"));
    pickText(f, "Combo1", 2287);
    for (const char* name :
         {"Label11", "Text4", "Label12", "Label15", "Text6", "Label16", "Label19", "Text8", "Label20"})
        EXPECT_FALSE(hidden(f, name)) << name;
    for (const char* name : {"Label8", "Text3", "Label10"})
        EXPECT_TRUE(hidden(f, name)) << name;
    EXPECT_EQ(t(f, "Text4"), QStringLiteral("50"));
    EXPECT_EQ(t(f, "Text8"), QStringLiteral("2"));

    FormBase* torsion = open(QStringLiteral("Form66"));
    pickText(torsion, "Combo1", 2289);
    EXPECT_TRUE(hidden(torsion, "Label23"));
    pickText(torsion, "Combo1", 2287);
    for (const char* name : {"Label23", "Text10", "Label24"})
        EXPECT_FALSE(hidden(torsion, name)) << name;
}

struct UnitCase {
    const char* name;
    const char* window;
    const char* material; // nullptr: the material picked at loading
    const char* newton;   // Text2 under "N/mm2"
    const char* kgf;      // Text2 under "Kgf/mm2"
    const char* loadUnit;
};

const UnitCase kUnits[] = {
    {"Form65FirstMaterial", "Form65", nullptr, "78456", "8000", "Label20"},
    {"Form65Sus631", "Form65", "不锈钢线 SUS631", "73552.5", "7500", "Label20"},
    {"Form65Pbw", "Form65", "磷青铜线 PBW", "42170.1", "4300", "Label20"},
    {"Form66FirstMaterial", "Form66", nullptr, "205947", "21000", "Label21"},
    {"Form66Hsws", "Form66", "白铜线 HSWS", "107877", "11000", "Label21"},
    {"Form67FirstMaterial", "Form67", nullptr, "78456", "8000", "Label20"},
    {"Form68PianoSteel", "Form68", "琴钢线 SWP", "78456", "8000", "Label20"},
    {"Form69Grade", "Form69", "65Mn", "78456", "8000", "Label20"},
    {"Form86Pbw", "Form86", "磷青铜线 PBW", "42170.1", "4300", "Label20"},
};

class ModulusUnitSwitch : public StandardFrame, public ::testing::WithParamInterface<UnitCase> {};

TEST_P(ModulusUnitSwitch, RewritesTheMaterialModulusAndTheUnitLabels) {
    const UnitCase& c = GetParam();
    FormBase* f = open(QString::fromLatin1(c.window));
    ASSERT_NE(f, nullptr);
    if (c.material)
        pick(f, "Combo2", QString::fromUtf8(c.material));
    EXPECT_EQ(t(f, "Text2"), QString::fromLatin1(c.kgf));
    // A modulus the user typed is replaced by the material's, in the unit picked.
    type(f, QStringLiteral("Text2"), QStringLiteral("1234"));
    pick(f, "Combo3", QStringLiteral("N/mm2"));
    EXPECT_EQ(t(f, "Text2"), QString::fromLatin1(c.newton));
    EXPECT_EQ(t(f, "Label9"), QStringLiteral("N/mm2"));
    EXPECT_EQ(t(f, c.loadUnit), QStringLiteral("N"));
    type(f, QStringLiteral("Text2"), QStringLiteral("555"));
    pick(f, "Combo3", QStringLiteral("Kgf/mm2"));
    EXPECT_EQ(t(f, "Text2"), QString::fromLatin1(c.kgf));
    EXPECT_EQ(t(f, "Label9"), QStringLiteral("Kgf/mm2"));
    EXPECT_EQ(t(f, c.loadUnit), QStringLiteral("Kgf"));
}

INSTANTIATE_TEST_SUITE_P(StandardDesigners, ModulusUnitSwitch, ::testing::ValuesIn(kUnits),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(StandardFrame, MaterialPickedUnderNewtonShowsNewtonModulus) {
    for (const char* window : {"Form65", "Form69"}) {
        FormBase* f = open(QString::fromLatin1(window));
        pick(f, "Combo3", QStringLiteral("N/mm2"));
        pick(f, "Combo2", QStringLiteral("铍铜线 BeCuW"));
        EXPECT_EQ(t(f, "Text2"), QStringLiteral("44131.5")) << window;
        EXPECT_EQ(t(f, "Label9"), QStringLiteral("N/mm2")) << window;
        EXPECT_EQ(t(f, "Label20"), QStringLiteral("N")) << window;
        pick(f, "Combo3", QStringLiteral("Kgf/mm2"));
        EXPECT_EQ(t(f, "Text2"), QStringLiteral("4500")) << window;
        pick(f, "Combo2", QStringLiteral("弹簧钢 SUP"));
        EXPECT_EQ(t(f, "Text2"), QStringLiteral("8000")) << window;
    }
}

TEST_F(StandardFrame, TypingIntoTheListsChangesNothing) {
    // English, so that the keys typed are plain keys.
    StringTable::setLanguage(Language::EnUS);
    FormBase* f = open(QStringLiteral("Form65"));
    for (const char* list : {"Combo2", "Combo3"}) {
        QComboBox* c = f->comboBox(QString::fromLatin1(list));
        c->lineEdit()->clear();
        const QString typed =
            std::string(list) == "Combo3" ? QStringLiteral("N/mm2") : StringTable::text(1390);
        QTest::keyClicks(c->lineEdit(), typed);
        EXPECT_EQ(c->currentText(), typed);
    }
    EXPECT_EQ(t(f, "Text2"), QStringLiteral("8000"));
    EXPECT_EQ(t(f, "Label9"), QStringLiteral("Kgf/mm2"));
    EXPECT_EQ(t(f, "Label20"), QStringLiteral("Kgf"));
    // A typed choice changes no group either; only the calculation reads it.
    QComboBox* choices = f->comboBox(QStringLiteral("Combo1"));
    choices->lineEdit()->clear();
    QTest::keyClicks(choices->lineEdit(), StringTable::text(2289));
    EXPECT_EQ(choices->currentText(), StringTable::text(2289));
    EXPECT_FALSE(hidden(f, "Text4"));
    EXPECT_TRUE(hidden(f, "Text3"));
    EXPECT_EQ(t(f, "Label3"), QStringLiteral("mm"));
}

TEST_F(StandardFrame, NewtonModulusGivesNewtonResults) {
    FormBase* f = open(QStringLiteral("Form65"));
    pick(f, "Combo3", QStringLiteral("N/mm2"));
    typeIn(f, {{"Text3", "2"}, {"Text4", "50"}, {"Text5", "20"}, {"Text6", "40"}, {"Text7", "10"}});
    pickText(f, "Combo1", 2289);
    click(f, QStringLiteral("Command1"));
    EXPECT_EQ(t(f, "Text1"), QStringLiteral("1.9614"));
    pickText(f, "Combo1", 2290);
    click(f, QStringLiteral("Command1"));
    EXPECT_EQ(t(f, "Text1"), QStringLiteral("19.6140"));
    type(f, QStringLiteral("Text8"), QStringLiteral("19.614"));
    pickText(f, "Combo1", 2287);
    click(f, QStringLiteral("Command1"));
    EXPECT_EQ(t(f, "Text1"), QStringLiteral("2.00"));

    for (const auto& [window, rate] :
         {std::pair{"Form68", "8.3686"}, {"Form69", "5.7112"}, {"Form86", "9.1924"}}) {
        FormBase* shaped = open(QString::fromLatin1(window));
        pick(shaped, "Combo3", QStringLiteral("N/mm2"));
        pickText(shaped, "Combo1", 2289);
        typeIn(shaped, {{"Text3", "2"},
                        {"Text4", "20"},
                        {"Text5", "5"},
                        {"Text7", std::string(window) == "Form68" ? "10" : "12"}});
        click(shaped, QStringLiteral("Command1"));
        EXPECT_EQ(t(shaped, "Text1"), QString::fromLatin1(rate)) << window;
    }
    EXPECT_TRUE(prompts().requests.isEmpty());
}

TEST_F(StandardFrame, UnknownChoiceTextDoesNothing) {
    for (const char* window : {"Form65", "Form69"}) {
        FormBase* f = open(QString::fromLatin1(window));
        typeIn(f, {{"Text1", "7.7"},
                   {"Text3", "2"},
                   {"Text4", "20"},
                   {"Text5", "20"},
                   {"Text6", "10"},
                   {"Text7", "10"},
                   {"Text8", "2"}});
        type(f, QStringLiteral("Combo1"), QStringLiteral("求钢丝"));
        click(f, QStringLiteral("Command1"));
        // The barrel designer does not solve for the mean diameter, even when it is typed.
        type(f, QStringLiteral("Combo1"), StringTable::text(2291));
        if (std::string(window) == "Form69")
            click(f, QStringLiteral("Command1"));
        EXPECT_TRUE(prompts().requests.isEmpty()) << window;
        EXPECT_EQ(t(f, "Text1"), QStringLiteral("7.7")) << window;
    }
}

TEST_F(StandardFrame, HiddenFieldWithTextCountsAsFilled) {
    FormBase* f = open(QStringLiteral("Form65"));
    pickText(f, "Combo1", 2288);
    typeIn(f, {{"Text3", "2"}, {"Text4", "50"}, {"Text6", "40"}, {"Text7", "10"}, {"Text8", "2"}});
    pickText(f, "Combo1", 2287);
    ASSERT_TRUE(hidden(f, "Text3"));
    type(f, QStringLiteral("Combo1"), StringTable::text(2291));
    click(f, QStringLiteral("Command1"));
    EXPECT_TRUE(prompts().requests.isEmpty()) << qPrintable(prompts().lastText());
    EXPECT_EQ(t(f, "Text1"), QStringLiteral("20.00"));
}

TEST_F(StandardFrame, FaultKeepsThePreviousResult) {
    FormBase* f = open(QStringLiteral("Form67"));
    typeIn(f, {{"Text3", "1"}, {"Text4", "30"}, {"Text6", "30.01"}, {"Text7", "10"}, {"Text8", "2.444"}});
    type(f, QStringLiteral("Combo1"), StringTable::text(2291));
    type(f, QStringLiteral("Text1"), QStringLiteral("8.00"));
    click(f, QStringLiteral("Command1"));
    ASSERT_EQ(prompts().requests.size(), 1);
    EXPECT_EQ(prompts().lastText(), StringTable::text(1035));
    EXPECT_EQ(t(f, "Text1"), QStringLiteral("8.00"));
}

TEST_F(StandardFrame, ResetEmptiesResultAndInputsOnly) {
    for (const char* window : {"Form66", "Form68"}) {
        FormBase* f = open(QString::fromLatin1(window));
        pickText(f, "Combo1", 2289);
        pick(f, "Combo3", QStringLiteral("N/mm2"));
        const int last = std::string(window) == "Form66" ? 10 : 8;
        for (int i = 1; i <= last; ++i)
            if (i != 2)
                type(f, QStringLiteral("Text%1").arg(i), QStringLiteral("3"));
        const QString modulus = t(f, "Text2");
        click(f, QStringLiteral("Command3"));
        for (int i = 1; i <= last; ++i) {
            if (i != 2) {
                EXPECT_EQ(f->text(QStringLiteral("Text%1").arg(i)), QString()) << window << " Text" << i;
            }
        }
        EXPECT_EQ(t(f, "Text2"), modulus);
        EXPECT_EQ(t(f, "Combo1"), StringTable::text(2289));
        EXPECT_EQ(t(f, "Combo3"), QStringLiteral("N/mm2"));
        EXPECT_TRUE(hidden(f, "Text8"));
        EXPECT_FALSE(hidden(f, "Text3"));
        // The next calculation names the first field of the current choice.
        click(f, QStringLiteral("Command1"));
        ASSERT_EQ(prompts().requests.size(), 1);
        EXPECT_EQ(prompts().lastText(), StringTable::text(1383) + StringTable::text(1333));
        prompts().clear();
    }
}

TEST_F(StandardFrame, ReopenedWindowIsFresh) {
    FormBase* f = open(QStringLiteral("Form65"));
    pick(f, "Combo3", QStringLiteral("N/mm2"));
    pickText(f, "Combo1", 2289);
    pick(f, "Combo2", QStringLiteral("铍铜线 BeCuW"));
    typeIn(f, {{"Text3", "2"}, {"Text1", "1"}});
    click(f, QStringLiteral("Command2"));
    flush();
    EXPECT_EQ(FormRegistry::find(QStringLiteral("Form65")), nullptr);
    f = open(QStringLiteral("Form65"));
    EXPECT_EQ(t(f, "Text2"), QStringLiteral("8000"));
    EXPECT_EQ(t(f, "Combo1"), kWire);
    EXPECT_EQ(t(f, "Combo2"), QStringLiteral("弹簧钢 SUP"));
    EXPECT_EQ(t(f, "Combo3"), QStringLiteral("Kgf/mm2"));
    EXPECT_EQ(t(f, "Label20"), QStringLiteral("Kgf"));
    EXPECT_EQ(t(f, "Text1"), QString());
    EXPECT_TRUE(hidden(f, "Text3"));
    EXPECT_FALSE(hidden(f, "Text4"));
}

TEST_F(StandardFrame, EnterCalculates) {
    FormBase* f = open(QStringLiteral("Form69"));
    QTest::keyClick(f->field(QStringLiteral("Text4")), Qt::Key_Return);
    ASSERT_EQ(prompts().requests.size(), 1);
    EXPECT_EQ(prompts().lastText(), StringTable::text(1383) + StringTable::text(1641));
}

TEST_F(StandardFrame, EnglishListsAreFoundByTheCalculation) {
    StringTable::setLanguage(Language::EnUS);
    FormBase* f = open(QStringLiteral("Form67"));
    EXPECT_EQ(t(f, "Combo1"), QStringLiteral("Wire Diameter"));
    EXPECT_EQ(t(f, "Combo2"), StringTable::text(1384));
    pickText(f, "Combo1", 2289);
    typeIn(f, {{"Text3", "1"}, {"Text5", "8"}, {"Text7", "10"}});
    click(f, QStringLiteral("Command1"));
    EXPECT_EQ(t(f, "Text1"), QStringLiteral("0.1953"));
    type(f, QStringLiteral("Text7"), QString());
    click(f, QStringLiteral("Command1"));
    ASSERT_EQ(prompts().requests.size(), 1);
    EXPECT_EQ(prompts().lastText(), QStringLiteral("Please EnterActive Coils"));
    EXPECT_EQ(prompts().requests.first().title, QStringLiteral("Prompt"));
}

} // namespace
