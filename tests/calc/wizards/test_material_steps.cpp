// Step 2: the material database files as generated, the three material windows on the real
// Simplified Chinese file, names that match no row, and a database that cannot be opened.

#include "WizardTest.h"

#include "common/Numbers.h"
#include "platform/Database.h"

#include <QComboBox>
#include <QSqlQuery>
#include <QSqlRecord>

namespace {

QList<QList<QVariant>> rowsOf(const QString& file) {
    Database db = Database::programFile(file);
    EXPECT_TRUE(db.isOpen()) << qPrintable(db.errorText());
    QList<QList<QVariant>> rows;
    QSqlQuery q(db.connection());
    EXPECT_TRUE(q.exec(QStringLiteral("Select * from cailiao")));
    while (q.next()) {
        QList<QVariant> row;
        for (int i = 0; i < q.record().count(); ++i)
            row << q.value(i);
        rows << row;
    }
    return rows;
}

TEST(MaterialDatabase, ThreeFilesHoldTheSameNumbersInTheSameOrder) {
    const auto zh = rowsOf(QStringLiteral("db.mdb"));
    const auto tw = rowsOf(QStringLiteral("dbtw.mdb"));
    const auto en = rowsOf(QStringLiteral("dben.mdb"));
    ASSERT_EQ(zh.size(), 5);
    ASSERT_EQ(tw.size(), zh.size());
    ASSERT_EQ(en.size(), zh.size());
    for (int r = 0; r < zh.size(); ++r) {
        ASSERT_EQ(zh[r].size(), 16);
        for (int c = 0; c < 16; ++c) {
            if (c == 2)
                continue; // the name, in the file's language
            EXPECT_EQ(zh[r][c], tw[r][c]) << r << "," << c;
            EXPECT_EQ(zh[r][c], en[r][c]) << r << "," << c;
        }
        for (const auto* rows : {&zh, &tw, &en}) {
            const QString name = (*rows)[r][2].toString();
            EXPECT_EQ(name, name.trimmed());
            EXPECT_FALSE(name.contains(u'\''));
        }
    }
    EXPECT_EQ(zh[0][2].toString(), QStringLiteral("琴钢丝 A228"));
    EXPECT_EQ(tw[0][2].toString(), QStringLiteral("琴鋼絲 A228"));
    EXPECT_EQ(en[0][2].toString(), QStringLiteral("Music wire A228"));
    // Tensile strength at 3 mm as the tensile-strength workbook gives it: 2211 / 3^0.145.
    EXPECT_EQ(zh[0][5].toDouble(), 1885.0);
}

TEST(MaterialDatabase, ProgramFileIsReadOnly) {
    Database db = Database::programFile(QStringLiteral("db.mdb"));
    ASSERT_TRUE(db.isOpen());
    QSqlQuery q(db.connection());
    EXPECT_FALSE(q.exec(QStringLiteral("DELETE FROM cailiao")));
    EXPECT_EQ(rowsOf(QStringLiteral("db.mdb")).size(), 5);
}

struct MaterialCase {
    const char* name;
    const char* window;
    const char* loadClass;
    std::vector<ControlText> expected;
};

class MaterialTick : public WizardTest, public ::testing::WithParamInterface<MaterialCase> {};

TEST_P(MaterialTick, ShowsTheFirstMaterialForTheLoadClass) {
    const MaterialCase& c = GetParam();
    const QString loadClass = QString::fromLatin1(c.loadClass);
    wizard::state.compLoadClass = wizard::state.extLoadClass = wizard::state.torsLoadClass = loadClass;
    wizard::state.compLoadCycles = wizard::state.extLoadCycles = wizard::state.torsLoadCycles = 10000;
    FormBase* step = open(QString::fromLatin1(c.window));
    ASSERT_NE(step, nullptr);
    EXPECT_EQ(step->comboBox(QStringLiteral("Combo1"))->count(), 5);
    tick(step);
    expectTexts(step, c.expected);
    EXPECT_TRUE(step->button(QStringLiteral("Command1"))->isEnabled());
    EXPECT_TRUE(prompts().requests.isEmpty());
}

const MaterialCase kMaterialTicks[] = {
    {"CompressionClassII",
     "Form92",
     "II",
     {{"Combo1", "琴钢丝 A228"},
      {"Text1_0", "10000"},
      {"Text1_1", "80000"},
      {"Text1_2", "1885"},
      {"Text1_3", "II"},
      {"Text1_4", "0~120"},
      {"Text1_5", "754.0"}}},
    {"ExtensionClassIIWithoutDecimals", "Form101", "II", {{"Text1_1", "80000"}, {"Text1_5", "603"}}},
    {"TorsionTakesYoungsModulus", "Form110", "II", {{"Text1_1", "193000"}, {"Text1_5", "942.5"}}},
    {"CompressionClassI", "Form92", "I", {{"Text1_5", "565.5"}}},
    {"CompressionClassIII", "Form92", "III", {{"Text1_5", "942.5"}}},
    {"TorsionClassI", "Form110", "I", {{"Text1_5", "706.9"}}},
    // A class text that is none of the three keeps the earlier allowable stress (0 here).
    {"UnknownClassKeepsTheStress", "Form92", "Ⅱ", {{"Text1_2", "1885"}, {"Text1_5", "0.0"}}},
};
INSTANTIATE_TEST_SUITE_P(Wizard, MaterialTick, ::testing::ValuesIn(kMaterialTicks), caseName<MaterialCase>);

TEST_F(WizardTest, MaterialTickStoresTheSharedVariables) {
    wizard::state.torsLoadClass = QStringLiteral("III");
    FormBase* step = open(QStringLiteral("Form110"));
    type(step, QStringLiteral("Combo1"), QStringLiteral("  铬硅钢丝 A401 "));
    tick(step);
    const wizard::State& s = wizard::state;
    EXPECT_EQ(s.torsYoungsModulus, 203400.0f);
    EXPECT_EQ(s.torsTensileStrength, 1753.0f);
    EXPECT_EQ(s.torsTemperatureRange, QStringLiteral("≤250"));
    EXPECT_EQ(s.torsAllowableBending, num::single(0.625 * 1753.0));
    // The name is looked up trimmed and kept as typed.
    EXPECT_EQ(s.torsMaterialName, QStringLiteral("  铬硅钢丝 A401 "));
    EXPECT_EQ(s.compShearModulus, 0.0f); // the other wizards' variables stay
}

TEST_F(WizardTest, NameWithoutRowShowsNothingAndBlocksConfirm) {
    wizard::state.compLoadClass = QStringLiteral("II");
    FormBase* step = open(QStringLiteral("Form92"));
    tick(step);
    const wizard::State before = wizard::state;
    for (const char* name : {"琴钢丝 A228'", "x' OR '1'='1", "", "no such wire"}) {
        type(step, QStringLiteral("Combo1"), QString::fromUtf8(name));
        tick(step);
        for (const char* box : {"Text1_1", "Text1_2", "Text1_4", "Text1_5"})
            EXPECT_EQ(step->text(QString::fromLatin1(box)), QString()) << name << " " << box;
        EXPECT_FALSE(step->button(QStringLiteral("Command1"))->isEnabled()) << name;
        EXPECT_EQ(wizard::state.compShearModulus, before.compShearModulus);
        EXPECT_EQ(wizard::state.compMaterialName, before.compMaterialName);
        EXPECT_EQ(wizard::state.compAllowableShear, before.compAllowableShear);
    }
    EXPECT_TRUE(prompts().requests.isEmpty());
    type(step, QStringLiteral("Combo1"), QStringLiteral("冷拉钢丝 A227"));
    tick(step);
    EXPECT_TRUE(step->button(QStringLiteral("Command1"))->isEnabled());
    EXPECT_EQ(step->text(QStringLiteral("Text1_2")), QStringLiteral("1447"));
}

TEST_F(WizardTest, MissingDatabaseSaysWhyAndClosesTheStep) {
    materialdb::setFileOverride(QStringLiteral("missing.mdb"));
    wizard::state.compReport1 = QStringLiteral("report 1");
    FormBase* step = open(QStringLiteral("Form92"));
    ASSERT_NE(step, nullptr);
    flush();
    ASSERT_EQ(prompts().requests.size(), 1);
    EXPECT_EQ(prompts().requests[0].title, StringTable::text(1318));
    EXPECT_TRUE(prompts().lastText().contains(QStringLiteral("missing.mdb")));
    flush();
    EXPECT_EQ(FormRegistry::find(QStringLiteral("Form92")), nullptr);
    EXPECT_TRUE(wizard::state.compMaterialName.isEmpty());
    EXPECT_TRUE(wizard::state.compReport2.isEmpty());
}

TEST_F(WizardTest, MaterialSectionOfTheReport) {
    wizard::state.compReport1 = QStringLiteral("R1");
    wizard::state.compLoadClass = QStringLiteral("II");
    FormBase* step = open(QStringLiteral("Form92"));
    tick(step);
    click(step, QStringLiteral("Command1"));
    EXPECT_EQ(wizard::state.compReport2, QStringLiteral("R1\r\n\r\n二、材料参数：\r\n\r\n"
                                                        "    材料名称      M_Name=琴钢丝 A228\r\n"
                                                        "    切变模量      G=80000 (Mpa)\r\n"
                                                        "    抗拉强度     6b=1885 (Mpa)\r\n"
                                                        "    推荐温度范围 0~120 (℃)\r\n"
                                                        "    许用切应力   zb=754.0 (Mpa)\r\n"));
    EXPECT_TRUE(hub(QStringLiteral("Form90"))->stepOffered(3));
}

TEST_F(WizardTest, MaterialConfirmBeforeTheFirstTick) {
    FormBase* step = open(QStringLiteral("Form101"));
    click(step, QStringLiteral("Command1"));
    const QStringList report = lines(wizard::state.extReport2);
    EXPECT_EQ(report.value(4), StringTable::text(2314) + QStringLiteral("琴钢丝 A228"));
    EXPECT_EQ(report.value(5), StringTable::text(2315) + QStringLiteral(" (Mpa)"));
    EXPECT_EQ(report.value(7), StringTable::text(2317) + QStringLiteral(" (℃)"));
}

} // namespace
