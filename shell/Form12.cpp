#include "shell/Form12.h"

#include "common/Numbers.h"
#include "common/Prompt.h"
#include "common/StringTable.h"
#include "common/ui/FormBuilder.h"
#include "common/ui/FormRegistry.h"

#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QString fieldName(int index) {
    return QStringLiteral("Text1_%1").arg(index);
}

// The operands are evaluated in this order on purpose: the four-decimal results depend on it.
double gramsToNewtons(double gf) {
    return gf * 9.8 / 1000;
}
double newtonsToGrams(double n) {
    return n * 1000 / 9.8;
}
double gramsToPounds(double gf) {
    return gf * 2.2046 / 1000;
}
double poundsToGrams(double lbs) {
    return lbs * 1000 / 2.2046;
}
double inchesToMillimetres(double inch) {
    return inch * 25.4;
}
double millimetresToInches(double mm) {
    return mm / 25.4;
}

// One row of the window: a pair of fields with their unit labels on a coloured band.
QFrame* pairRow(QWidget* parent, int left, const char* leftLabel, const char* leftUnit, int right,
                const char* rightLabel, const char* rightUnit, const char* color) {
    auto* band = new QFrame(parent);
    band->setObjectName(QStringLiteral("Pair%1").arg(left / 2 + 1));
    band->setAutoFillBackground(true);
    QPalette palette = band->palette();
    palette.setColor(QPalette::Window, QColor(QLatin1StringView(color)));
    band->setPalette(palette);
    ui::grid(band, {{ui::edit(fieldName(left)),
                     ui::literal(QLatin1StringView(leftLabel), QLatin1StringView(leftUnit)),
                     ui::literal(QStringLiteral("Equals%1").arg(left / 2 + 1), QStringLiteral("=")),
                     ui::edit(fieldName(right)),
                     ui::literal(QLatin1StringView(rightLabel), QLatin1StringView(rightUnit))}});
    // The unit labels share one width, so the fields of the three rows line up.
    for (const char* unit : {leftLabel, rightLabel})
        band->findChild<QLabel*>(QLatin1StringView(unit))->setMinimumWidth(ui::twips(600));
    return band;
}

} // namespace

Form12::Form12() : FormBase(QStringLiteral("Form12")) {
    auto* layout = new QVBoxLayout(this);
    QLabel* title = ui::makeLiteral(this, QStringLiteral("Label1"), QString());
    title->setAlignment(Qt::AlignCenter);
    layout->addWidget(title);
    // Band colours &H00FFFF80, &H0080FF80 and &H00FF8080 (blue-green-red), here as RGB.
    layout->addWidget(pairRow(this, 0, "Label2", "gf", 1, "Label3", "N", "#80ffff"));
    layout->addWidget(pairRow(this, 2, "Label4", "gf", 3, "Label5", "Lbs", "#80ff80"));
    layout->addWidget(pairRow(this, 4, "Label6", "Inch", 5, "Label7", "mm", "#8080ff"));
    ui::grid(this, {{ui::button(QStringLiteral("Command1"), 0), ui::button(QStringLiteral("Command2"), 0)}});
    QLabel* note = ui::makeLiteral(this, QStringLiteral("Label8"), QString());
    note->setWordWrap(true);
    layout->addWidget(note);

    // Load step, in the order the captions have always been set.
    setWindowTitle(StringTable::text(1004));
    setText(QStringLiteral("Command2"), StringTable::text(1321));
    setText(QStringLiteral("Command1"), StringTable::text(1523));
    setText(QStringLiteral("Label8"), StringTable::text(1524));
    QFont font = title->font();
    font.setPointSizeF(font.pointSizeF() * 1.4);
    font.setBold(true);
    font.setFamily(StringTable::text(1353));
    title->setFont(font);
    title->setText(StringTable::text(1004));

    attachInputArray(QStringLiteral("Text1"));
    setDefaultButton(button(QStringLiteral("Command1")));
    onClick(QStringLiteral("Command1"), [this] { convert(); });
    onClick(QStringLiteral("Command2"), [this] {
        clearFields({fieldName(0), fieldName(1), fieldName(2), fieldName(3), fieldName(4), fieldName(5)});
    });
}

void Form12::convert() {
    float values[6];
    bool anyFilled = false;
    for (int i = 0; i < 6; ++i) {
        values[i] = num::single(number(fieldName(i)));
        anyFilled = anyFilled || !isEmpty(fieldName(i));
    }
    if (!anyFilled) {
        prompt::inform(this, StringTable::text(1038));
        return;
    }
    convertPair(0, 1, values, gramsToNewtons, newtonsToGrams);
    convertPair(2, 3, values, gramsToPounds, poundsToGrams);
    convertPair(4, 5, values, inchesToMillimetres, millimetresToInches);
}

void Form12::convertPair(int left, int right, const float values[], double (*toRight)(double),
                         double (*toLeft)(double)) {
    const bool leftEmpty = isEmpty(fieldName(left));
    const bool rightEmpty = isEmpty(fieldName(right));
    if (!leftEmpty && rightEmpty)
        setSingle(fieldName(right), num::single(toRight(values[left])), u"0.0000");
    else if (leftEmpty && !rightEmpty)
        setSingle(fieldName(left), num::single(toLeft(values[right])), u"0.0000");
    else if (!leftEmpty && !rightEmpty)
        prompt::inform(this, StringTable::text(1037));
}

SPIRELTA_REGISTER_FORM(Form12)
