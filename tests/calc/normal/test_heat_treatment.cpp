// Heat-treatment change estimates: the band table with its bounds and gaps, the two windows'
// results text for text, and the input-error message.

#include "calc/normal/HeatTreatment.h"
#include "support/FormTest.h"

#include <QComboBox>

namespace {

TEST(HeatTreatmentBands, BoundsBelongToTheirBandAndGapsToNone) {
    struct Case {
        const char* name;
        HeatTreatedWire wire;
        float d;
        float temperature; // 0: no band
    };
    const Case cases[] = {
        {"SUS304 lowest bound", HeatTreatedWire::Sus304, 0.1f, 260},
        {"SUS304 first upper bound", HeatTreatedWire::Sus304, 0.5f, 260},
        {"SUS304 second lower bound", HeatTreatedWire::Sus304, 0.51f, 280},
        {"SUS304 second upper bound", HeatTreatedWire::Sus304, 1.2f, 280},
        {"SUS304 third lower bound", HeatTreatedWire::Sus304, 1.21f, 300},
        {"SUS304 third upper bound", HeatTreatedWire::Sus304, 2.0f, 300},
        {"SUS304 last band", HeatTreatedWire::Sus304, 2.01f, 320},
        {"SUS304 thick wire", HeatTreatedWire::Sus304, 12.0f, 320},
        {"SUS304 below the table", HeatTreatedWire::Sus304, 0.05f, 0},
        {"SUS304 first gap", HeatTreatedWire::Sus304, 0.505f, 0},
        {"SUS304 second gap", HeatTreatedWire::Sus304, 1.205f, 0},
        {"SUS304 third gap", HeatTreatedWire::Sus304, 2.005f, 0},
        {"SWC first band", HeatTreatedWire::Swc, 0.5f, 240},
        {"SWC third band", HeatTreatedWire::Swc, 2.0f, 280},
        {"SWC last band", HeatTreatedWire::Swc, 2.01f, 300},
        {"SWC third gap", HeatTreatedWire::Swc, 2.005f, 0},
        {"SWIC first upper bound", HeatTreatedWire::Swic, 0.4f, 200},
        {"SWIC second lower bound", HeatTreatedWire::Swic, 0.41f, 230},
        {"SWIC second upper bound", HeatTreatedWire::Swic, 0.8f, 230},
        {"SWIC third lower bound", HeatTreatedWire::Swic, 0.81f, 260},
        {"SWIC first gap", HeatTreatedWire::Swic, 0.405f, 0},
        {"SWIC second gap", HeatTreatedWire::Swic, 0.805f, 0},
        {"other wire", HeatTreatedWire::Other, 1.0f, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const HeatTreatmentBand* band = heatTreatmentBand(c.wire, c.d);
        EXPECT_EQ(band ? band->temperature : 0.0f, c.temperature);
    }
}

class HeatTreatmentWindow : public FormTest {
protected:
    FormBase* confirm(const QString& form, const QString& material, const QString& d, const QString& D,
                      const QString& n) {
        FormBase* f = open(form);
        f->setText("Combo1", material);
        type(f, "Text1_0", d);
        type(f, "Text1_1", D);
        type(f, "Text1_2", n);
        click(f, "Command1");
        return f;
    }
    static QStringList results(FormBase* f) {
        return {f->text("Text2_0"), f->text("Text2_1"), f->text("Text2_2"), f->text("Text2_3")};
    }
};

TEST_F(HeatTreatmentWindow, LoadSetsCaptionsUnitsAndTheThreeMaterials) {
    FormBase* f19 = open("Form19");
    EXPECT_EQ(f19->windowTitle(), "弹簧热处理变化参数");
    EXPECT_EQ(f19->text("Label1_12"), "℃");
    EXPECT_EQ(f19->text("Label1_15"), "°");
    EXPECT_EQ(f19->text("Command1"), "确认");
    QComboBox* list = f19->comboBox("Combo1");
    ASSERT_EQ(list->count(), 3);
    EXPECT_EQ(list->itemText(0), "碳钢线 SWC");
    EXPECT_EQ(list->itemText(1), "不锈钢线 SUS304");
    EXPECT_EQ(list->itemText(2), "镀镍线 SWIC");
    EXPECT_EQ(list->currentIndex(), 0);
    EXPECT_EQ(open("Form20")->windowTitle(), "拉簧热处理变化");
}

TEST_F(HeatTreatmentWindow, ResultsOfBothTables) {
    struct Case {
        const char* name;
        const char* form;
        int materialId;
        const char *d, *D, *n;
        QStringList expected;
    };
    const Case cases[] = {
        {"SUS304 second band", "Form19", 1338, "1", "10", "8", {"280", "0.140", "8.11", "40.89"}},
        {"SWC second band", "Form19", 1336, "1", "10", "8", {"260", "0.143", "7.89", "-40.60"}},
        {"SWIC second band", "Form19", 1036, "0.5", "6", "12", {"230", "0.091", "11.82", "-64.60"}},
        {"extension SWC last band", "Form20", 1336, "2.5", "20", "10", {"300", "0.240", "9.88", "-42.69"}},
        {"extension SUS304 second band", "Form20", 1338, "1", "10", "8", {"280", "0.126", "8.10", "36.75"}},
        {"SWC bound 0.5 in the first band",
         "Form19",
         1336,
         "0.5",
         "5",
         "10",
         {"240", "0.066", "9.87", "-46.90"}},
        {"SWC bound 2 in the third band",
         "Form19",
         1336,
         "2",
         "20",
         "10",
         {"280", "0.308", "9.85", "-54.60"}},
        {"SUS304 gap", "Form19", 1338, "0.505", "5", "10", {"0", "0.000", "10.00", "0.00"}},
        {"SWC gap", "Form19", 1336, "2.005", "20", "10", {"0", "0.000", "10.00", "0.00"}},
        {"below the table", "Form19", 1338, "0.05", "5", "10", {"0", "0.000", "10.00", "0.00"}},
        {"typed material", "Form19", 0, "1", "10", "8", {"0", "0.000", "0.00", "0.00"}},
        {"extension, zero wire, typed material", "Form20", 0, "0", "10", "8", {"0", "0.000", "0.00", "0.00"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        prompts().clear();
        const QString material = c.materialId ? StringTable::text(c.materialId) : QStringLiteral("SUS 304");
        FormBase* f = confirm(c.form, material, c.d, c.D, c.n);
        EXPECT_EQ(results(f), c.expected);
        EXPECT_TRUE(prompts().requests.isEmpty());
    }
}

TEST_F(HeatTreatmentWindow, MaterialsMatchInTheLanguageInForce) {
    StringTable::setLanguage(Language::EnUS);
    FormBase* f = confirm("Form19", "Sus304", "1", "10", "8");
    EXPECT_EQ(f->comboBox("Combo1")->itemText(1), "Sus304");
    EXPECT_EQ(results(f), (QStringList{"280", "0.140", "8.11", "40.89"}));
    f->close();
    flush();
    // The Chinese name is just a typed text under English.
    f = confirm("Form19", "不锈钢线 SUS304", "1", "10", "8");
    EXPECT_EQ(results(f), (QStringList{"0", "0.000", "0.00", "0.00"}));
}

TEST_F(HeatTreatmentWindow, BadInputShowsTheInputErrorAndKeepsResults) {
    struct Case {
        const char* name;
        const char* form;
        int materialId; // 0: a typed text that is no entry
        const char *d, *D, *n;
    };
    const Case cases[] = {
        {"empty mean diameter", "Form19", 1338, "1", "", "8"},
        {"empty coil count", "Form20", 1336, "1", "10", ""},
        {"slash in the wire diameter", "Form19", 1336, "1/2", "10", "8"},
        {"two points", "Form20", 1338, "1.2.3", "10", "8"},
        {"zero wire, spring index", "Form19", 1336, "0", "10", "8"},
        {"zero wire, spring index, typed material", "Form19", 0, "0", "10", "8"},
        {"extension, zero wire, listed material", "Form20", 1338, "0", "10", "8"},
        {"zero mean diameter in a band", "Form20", 1336, "1", "0", "8"},
        {"zero mean diameter in no band", "Form20", 1338, "0.505", "0", "8"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FormBase* f = confirm(c.form, StringTable::text(1336), "1", "10", "8");
        const QStringList before = results(f);
        prompts().clear();
        const QString material = c.materialId ? StringTable::text(c.materialId) : QStringLiteral("SUS 304");
        confirm(c.form, material, c.d, c.D, c.n);
        EXPECT_EQ(results(f), before);
        ASSERT_EQ(prompts().requests.size(), 1);
        EXPECT_EQ(prompts().requests[0].text, "输入有错误!");
        EXPECT_EQ(prompts().requests[0].title, "提示");
        EXPECT_EQ(prompts().requests[0].icon, PromptIcon::Information);
    }
}

} // namespace
