// Step 2 of the three design wizards: the spring material, chosen by name from the material
// database (table cailiao, see resources/db). The window shows the chosen material's modulus,
// tensile strength and temperature range and the allowable stress for the load class of step
// 1, and keeps them in the wizard's shared variables for the later steps.
//
// Form92 (compression), Form101 (extension) and Form110 (torsion) differ only in the columns
// they take and the variables they fill (the table below). The database file of the program
// folder is opened read-only for as long as the window is open; the lookup binds the name.

#include "calc/wizards/MaterialDatabaseChoice.h"
#include "calc/wizards/WizardReport.h"
#include "common/Numbers.h"
#include "common/Prompt.h"
#include "common/StringTable.h"
#include "common/WizardState.h"
#include "common/ui/FormBuilder.h"
#include "common/ui/FormRegistry.h"
#include "common/ui/WizardStep.h"
#include "platform/Database.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTimer>
#include <QVBoxLayout>
#include <optional>

namespace {

using wizard::State;
using wizardreport::line;

// Positions of the columns as "select *" returns them.
constexpr int kNameColumn = 2;
constexpr int kTensileStrengthColumn = 5;
constexpr int kTemperatureColumn = 6;

struct MaterialVariant {
    const char* className;
    const char* hub;
    int frameCaptionId;
    int modulusCaptionId;
    int modulusColumn;     // 3: G, 4: E
    int firstFactorColumn; // factor of class "I"; "II" and "III" follow
    const char* allowablePattern;
    float State::*loadCycles;
    QString State::*loadClass;
    QString State::*reportBefore;
    QString State::*report;
    float State::*modulus;
    float State::*tensileStrength;
    QString State::*temperatureRange;
    float State::*allowableStress;
    QString State::*materialName;
};

const MaterialVariant kForm92{"Form92",
                              "Form90",
                              1375,
                              1972,
                              3,
                              7,
                              "0.0",
                              &State::compLoadCycles,
                              &State::compLoadClass,
                              &State::compReport1,
                              &State::compReport2,
                              &State::compShearModulus,
                              &State::compTensileStrength,
                              &State::compTemperatureRange,
                              &State::compAllowableShear,
                              &State::compMaterialName};
const MaterialVariant kForm101{"Form101",
                               "Form99",
                               1968,
                               1972,
                               3,
                               10,
                               "0",
                               &State::extLoadCycles,
                               &State::extLoadClass,
                               &State::extReport1,
                               &State::extReport2,
                               &State::extShearModulus,
                               &State::extTensileStrength,
                               &State::extTemperatureRange,
                               &State::extAllowableShear,
                               &State::extMaterialName};
const MaterialVariant kForm110{"Form110",
                               "Form108",
                               1968,
                               1562,
                               4,
                               13,
                               "0.0",
                               &State::torsLoadCycles,
                               &State::torsLoadClass,
                               &State::torsReport1,
                               &State::torsReport2,
                               &State::torsYoungsModulus,
                               &State::torsTensileStrength,
                               &State::torsTemperatureRange,
                               &State::torsAllowableBending,
                               &State::torsMaterialName};

// A numeric column as the single-precision number the wizards keep; a column that does not
// read as a number ends the tick.
double numberAt(const QSqlRecord& row, int column) {
    bool ok = false;
    const double value = row.value(column).toDouble(&ok);
    if (!ok || row.value(column).isNull())
        throw num::CalcFault("material column is not a number");
    return value;
}

class MaterialStep : public WizardStep {
public:
    explicit MaterialStep(const MaterialVariant& v)
        : WizardStep(QString::fromLatin1(v.className), QString::fromLatin1(v.hub), 2), v_(v),
          file_(materialdb::systemFile()), db_(Database::programFile(file_)) {
        setWindowTitle(StringTable::text(1968));
        buildLayout();
        const QString failure = fillList();
        if (!failure.isEmpty()) {
            // The window cannot do its work: say why once, then close as soon as it is shown,
            // before anything is written.
            QTimer::singleShot(0, this, [this, failure] {
                prompt::inform(this,
                               StringTable::pick("无法读取材料数据库 %1：%2", "無法讀取材料資料庫 %1：%2",
                                                 "Cannot read the material database %1: %2")
                                   .arg(db_.path().isEmpty() ? file_ : db_.path(), failure));
                close();
            });
            return;
        }
        startTicking([this] { recompute(); });
    }

private:
    void buildLayout() {
        auto* frame = ui::makeFrame(this, QStringLiteral("Frame1"), v_.frameCaptionId);
        auto* rows = new QVBoxLayout(frame);
        auto* pick = new QHBoxLayout;
        pick->addWidget(ui::makeLabel(frame, QStringLiteral("Label3"), 1969));
        pick->addWidget(ui::makeCombo(frame, QStringLiteral("Combo1")), 1);
        rows->addLayout(pick);
        auto* fields = new QWidget(frame);
        const QString mpa = QStringLiteral("Mpa");
        ui::grid(fields,
                 {
                     {ui::label("Label1_0", 1961), ui::edit("Text1_0"), ui::label("Label2_3", 1960),
                      ui::label("Label1_3", 1959), ui::edit("Text1_3"), ui::label("Label2_0", 2311)},
                     {ui::label("Label1_1", v_.modulusCaptionId), ui::edit("Text1_1"),
                      ui::literal("Label2_1", mpa), ui::label("Label1_4", 1974), ui::result("Text1_4"),
                      ui::literal("Label2_4", QStringLiteral("℃"))},
                     {ui::label("Label1_2", 1973), ui::edit("Text1_2"), ui::literal("Label2_2", mpa),
                      ui::label("Label1_5", 1970), ui::result("Text1_5"), ui::literal("Label2_5", mpa)},
                 });
        rows->addWidget(fields);
        auto* page = new QVBoxLayout(this);
        page->addWidget(frame);
        page->addLayout(makeConfirmCancel());
    }

    // Fills the list with every name, in the order of the table, and selects the first.
    // Returns why the database cannot be used, or an empty text.
    QString fillList() {
        if (!db_.isOpen())
            return db_.errorText();
        if (!db_.connection().tables().contains(QStringLiteral("cailiao")))
            return QStringLiteral("no table cailiao");
        QSqlQuery list(db_.connection());
        if (!list.exec(QStringLiteral("Select * from cailiao")))
            return list.lastError().text();
        QComboBox* names = comboBox(QStringLiteral("Combo1"));
        while (list.next())
            names->addItem(list.value(kNameColumn).toString());
        if (names->count() > 0)
            names->setCurrentIndex(0);
        wizard::state.*v_.materialName = names->currentText();
        return {};
    }

    std::optional<QSqlRecord> lookUp(const QString& name) const {
        QSqlQuery query(db_.connection());
        query.prepare(QStringLiteral("select *  from cailiao where(name = ?)"));
        query.addBindValue(name);
        if (!query.exec() || !query.next())
            return std::nullopt;
        return query.record();
    }

    void recompute() {
        State& s = wizard::state;
        setText(QStringLiteral("Text1_0"), num::textSingle(s.*v_.loadCycles));
        setText(QStringLiteral("Text1_3"), s.*v_.loadClass);

        const std::optional<QSqlRecord> row = lookUp(text(QStringLiteral("Combo1")).trimmed());
        if (!row) {
            // A name that no material has: show nothing that could be taken for its values.
            clearFields({QStringLiteral("Text1_1"), QStringLiteral("Text1_2"), QStringLiteral("Text1_4"),
                         QStringLiteral("Text1_5")});
            button(QStringLiteral("Command1"))->setEnabled(false);
            return;
        }
        s.*v_.modulus = num::single(numberAt(*row, v_.modulusColumn));
        s.*v_.tensileStrength = num::single(numberAt(*row, kTensileStrengthColumn));
        s.*v_.temperatureRange = row->value(kTemperatureColumn).toString();
        setText(QStringLiteral("Text1_1"), num::textSingle(s.*v_.modulus));
        setText(QStringLiteral("Text1_2"), num::textSingle(s.*v_.tensileStrength));
        setText(QStringLiteral("Text1_4"), s.*v_.temperatureRange);
        s.*v_.materialName = text(QStringLiteral("Combo1"));

        static const QStringList kClasses{QStringLiteral("I"), QStringLiteral("II"), QStringLiteral("III")};
        const int classIndex = kClasses.indexOf(s.*v_.loadClass);
        if (classIndex >= 0) {
            const double factor = numberAt(*row, v_.firstFactorColumn + classIndex);
            s.*v_.allowableStress = num::single(factor * double(s.*v_.tensileStrength));
        }
        setSingle(QStringLiteral("Text1_5"), s.*v_.allowableStress, QString::fromLatin1(v_.allowablePattern));
        button(QStringLiteral("Command1"))->setEnabled(true);
    }

    QString confirmedReport() override {
        const QString mpa = QStringLiteral(" (Mpa)");
        QString r = wizardreport::section(wizard::state.*v_.reportBefore, 2313);
        r += line(2314, text(QStringLiteral("Combo1")));
        r += line(2315, text(QStringLiteral("Text1_1")), mpa);
        r += line(2316, text(QStringLiteral("Text1_2")), mpa);
        r += line(2317, text(QStringLiteral("Text1_4")), QStringLiteral(" (℃)"));
        r += line(2318, text(QStringLiteral("Text1_5")), mpa);
        wizard::state.*v_.report = r;
        return r;
    }

    const MaterialVariant& v_;
    QString file_;
    Database db_;
};

class Form92 : public MaterialStep {
public:
    Form92() : MaterialStep(kForm92) {}
};
class Form101 : public MaterialStep {
public:
    Form101() : MaterialStep(kForm101) {}
};
class Form110 : public MaterialStep {
public:
    Form110() : MaterialStep(kForm110) {}
};

} // namespace

SPIRELTA_REGISTER_FORM(Form92)
SPIRELTA_REGISTER_FORM(Form101)
SPIRELTA_REGISTER_FORM(Form110)
