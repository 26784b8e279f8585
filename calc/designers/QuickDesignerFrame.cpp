#include "calc/designers/QuickDesignerFrame.h"

#include "common/StringTable.h"
#include "common/ui/FormBuilder.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>
#include <QVBoxLayout>

namespace quick {

namespace {

const QString kKnownBack = QStringLiteral("rgb(192,192,255)");
const QString kEstimateBack = QStringLiteral("rgb(255,192,128)");
const QString kKeyResultBack = QStringLiteral("rgb(255,128,128)");
const QString kRed = QStringLiteral("rgb(255,0,0)");

// The installation sketch and the modulus table beside the frames, at a readable size.
constexpr int kPictureWidth = 260;
// Wide enough for a load such as "-6.54" or a pitch of "194872.0" in full.
const int kBoxWidth = ui::twips(1200);

QString name(const char* control) {
    return QString::fromLatin1(control);
}

} // namespace

QuickDesignerFrame::QuickDesignerFrame(const QString& className, int captionId) : FormBase(className) {
    setWindowTitle(StringTable::text(captionId));
}

void QuickDesignerFrame::build(ui::InputFields inputs, std::span<const ResultRow> results,
                               const char* usageLabel, int usageTextId, const Pictures& pictures,
                               const Colours& colours, std::span<const Tip> tips,
                               std::vector<std::vector<ui::Cell>> extraKnownRows) {
    auto* page = new QHBoxLayout(this);
    auto* frames = new QVBoxLayout;
    page->addLayout(frames);
    frames->addWidget(buildKnown(inputs, std::move(extraKnownRows)));
    frames->addWidget(buildResults(results));
    QLabel* usage = ui::makeLabel(this, name(usageLabel), usageTextId);
    usage->setWordWrap(true);
    frames->addWidget(usage);
    frames->addStretch();

    auto* side = new QVBoxLayout;
    page->addLayout(side);
    QLabel* sketch = ui::makePicture(this, QStringLiteral("Picture1"), name(pictures.sketch), kPictureWidth);
    sketch->setToolTip(QStringLiteral("安装空间图片"));
    QLabel* moduli =
        ui::makePicture(this, QStringLiteral("Picture2"), name(pictures.modulusTable), kPictureWidth);
    moduli->setToolTip(QString::fromUtf8(pictures.modulusTip));
    side->addWidget(sketch);
    side->addWidget(moduli);
    side->addStretch();

    paint(colours);
    for (const Tip& tip : tips)
        control<QWidget>(name(tip.control))
            ->setToolTip(tip.textId ? StringTable::text(tip.textId) : QString::fromUtf8(tip.literal));
}

QGroupBox* QuickDesignerFrame::buildKnown(ui::InputFields inputs,
                                          std::vector<std::vector<ui::Cell>> extraRows) {
    QGroupBox* frame = ui::makeFrame(this, QStringLiteral("Frame1"), 2456);
    std::vector<std::vector<ui::Cell>> rows = ui::inputRows(inputs, false);
    for (auto& row : extraRows)
        rows.push_back(std::move(row));
    ui::grid(frame, rows);
    for (const ui::InputField& input : inputs)
        field(name(input.field))->setMinimumWidth(kBoxWidth);
    return frame;
}

QGroupBox* QuickDesignerFrame::buildResults(std::span<const ResultRow> results) {
    QGroupBox* frame = ui::makeFrame(this, QStringLiteral("Frame2"), 2457);
    std::vector<std::vector<ui::Cell>> rows;
    for (const ResultRow& r : results) {
        rows.push_back({ui::label(name(r.caption), r.captionId), ui::result(name(r.field)),
                        r.side ? ui::literal(name(r.side), QString::fromUtf8(r.sideText)) : ui::gap(),
                        r.range ? ui::literal(name(r.range), QStringLiteral("--")) : ui::gap()});
    }
    ui::grid(frame, rows);
    for (const ResultRow& r : results)
        field(name(r.field))->setMinimumWidth(kBoxWidth);
    return frame;
}

void QuickDesignerFrame::paint(const Colours& colours) {
    for (QLineEdit* input : inputArray(QStringLiteral("Text1"))) {
        const QString back = colours.estimates.contains(input->objectName()) ? kEstimateBack : kKnownBack;
        const QString ink = colours.redFields.contains(input->objectName())
                                ? QStringLiteral(" color: %1;").arg(kRed)
                                : QString();
        input->setStyleSheet(QStringLiteral("background-color: %1;%2").arg(back, ink));
    }
    for (const QString& result : colours.keyResults)
        field(result)->setStyleSheet(QStringLiteral("background-color: %1;").arg(kKeyResultBack));
    for (const QString& l : colours.redLabels)
        label(l)->setStyleSheet(QStringLiteral("color: %1;").arg(kRed));
}

void QuickDesignerFrame::start(NumericFieldKeys::Filter filter) {
    const QList<QLineEdit*> inputs = inputArray(QStringLiteral("Text1"));
    new NumericFieldKeys(this, inputs, filter);
    setFirstField(inputs.value(0));
    addTimer(QStringLiteral("Timer1"), kTickMs, [this] { tick(); })->start();
}

void QuickDesignerFrame::tick() {
    QStringList inputs;
    for (const QLineEdit* input : inputArray(QStringLiteral("Text1")))
        inputs.append(input->text());
    // The results only ever follow the inputs, so an unchanged set of texts has nothing new to
    // show (a set that ended in a fault would only end there again).
    if (ticked_ && inputs == lastInputs_)
        return;
    ticked_ = true;
    lastInputs_ = inputs;
    recompute();
}

bool QuickDesignerFrame::allFilled(std::span<const char* const> names) const {
    for (const char* n : names) {
        if (isEmpty(name(n)))
            return false;
    }
    return true;
}

float QuickDesignerFrame::readSingle(const char* control, Reading reading) const {
    const QString t = text(name(control));
    return num::single(reading == Reading::Strict ? num::strictOrFault(t) : num::lenient(t));
}

void QuickDesignerFrame::showVerdict(const char* label, bool ok) {
    setText(name(label), ok ? QStringLiteral("OK") : QStringLiteral("NG"));
}

void QuickDesignerFrame::showRange(const char* label, const QString& low, const QString& high) {
    setText(name(label), u'(' + low + QStringLiteral("--") + high + u')');
}

} // namespace quick
