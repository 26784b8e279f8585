#include "calc/normal/LoadTestForm.h"

#include "calc/normal/LoadTestCanvas.h"
#include "common/Prompt.h"
#include "common/StringTable.h"
#include "common/ui/FormBuilder.h"
#include "common/ui/FormRegistry.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMetaObject>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

LoadTestForm::LoadTestForm(const QString& className, int captionId, const QString& calculator,
                           std::unique_ptr<loadtest::LoadTest> test, const std::vector<LoadTestRow>& rows,
                           bool basePlate)
    : FormBase(className), calculator_(calculator), test_(std::move(test)) {
    setWindowTitle(StringTable::text(captionId));

    QGroupBox* frame = ui::makeFrame(this, QStringLiteral("Frame1"), 1529);
    canvas_ = new LoadTestCanvas(*test_, frame);
    frame->setFixedSize(canvas_->size());
    if (basePlate) {
        // The plate the spring stands on: a captionless button without an action.
        QPushButton* plate = ui::makeButton(canvas_, QStringLiteral("Command3"), 0);
        plate->setGeometry(ui::twips(240), ui::twips(2940), ui::twips(2055), ui::twips(375));
    }

    auto* values = new QWidget(this);
    auto* grid = new QGridLayout(values);
    grid->setContentsMargins(0, 0, 0, 0);
    int row = 0;
    for (const LoadTestRow& r : rows) {
        const QString caption = r.captionId ? StringTable::text(r.captionId) : r.captionLiteral;
        grid->addWidget(ui::makeLiteral(values, r.captionName, caption), row, 0);
        QLabel* value = ui::makeLiteral(values, r.valueName, {});
        value->setMinimumWidth(ui::twips(1200));
        value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        grid->addWidget(value, row, 1);
        grid->addWidget(ui::makeLiteral(values, r.unitName, r.unit), row, 2);
        ++row;
    }
    QPushButton* start = ui::makeButton(values, QStringLiteral("Command1"), 1528);
    QPushButton* exit = ui::makeButton(values, QStringLiteral("Command2"), 1315);
    grid->setRowStretch(row, 1);
    grid->addWidget(start, row + 1, 0, 1, 3);
    grid->addWidget(exit, row + 2, 0, 1, 3);

    auto* layout = new QHBoxLayout(this);
    layout->addWidget(frame);
    layout->addWidget(values);

    // The timer stays off until the first start; it then runs until the window closes, the
    // holding ticks showing the final state again.
    timer_ = addTimer(QStringLiteral("Timer1"), 500, [this] { tick(); });
    connect(start, &QPushButton::clicked, this, &LoadTestForm::startTest);
    connect(exit, &QPushButton::clicked, this, &QWidget::close);

    showTexts(test_->load([this](const QString& name) { return readCalculator(name); }));
}

QString LoadTestForm::unreadableCalculatorText() {
    return StringTable::pick("无法读取计算器的数据（计算器已关闭、已重置或数值无效），模拟测试已停止。",
                             "無法讀取計算器的資料（計算器已關閉、已重置或數值無效），模擬測試已停止。",
                             "The calculator's values cannot be read (it was closed or reset, or a value is "
                             "not a number); the simulation test has stopped.");
}

QString LoadTestForm::readCalculator(const QString& controlName) const {
    return FormRegistry::readText(calculator_, controlName);
}

bool LoadTestForm::isRunning() const {
    return timer_->isActive();
}

void LoadTestForm::showTexts(const loadtest::LabelTexts& texts) {
    for (const auto& [name, text] : texts)
        setText(name, text);
    canvas_->update();
}

void LoadTestForm::startTest() {
    // Starting again while the timer runs keeps its rhythm; the test itself starts over.
    if (!timer_->isActive())
        timer_->start();
    try {
        showTexts(test_->start([this](const QString& name) { return readCalculator(name); }));
    } catch (const loadtest::UnreadableField&) {
        timer_->stop();
        prompt::inform(this, unreadableCalculatorText());
    } catch (const num::CalcFault&) {
        timer_->stop();
        prompt::inputError(this);
    }
}

void LoadTestForm::tick() {
    try {
        showTexts(test_->tick([this](const QString& name) { return readCalculator(name); }));
    } catch (const loadtest::UnreadableField&) {
        stopAfterUnreadableTick();
    } catch (const num::CalcFault&) {
        // An arithmetic fault on a tick ends the test silently.
        timer_->stop();
    }
}

void LoadTestForm::stopAfterUnreadableTick() {
    timer_->stop();
    // A tick never opens a box itself: the message follows once the tick has ended.
    QMetaObject::invokeMethod(
        this, [this] { prompt::inform(this, unreadableCalculatorText()); }, Qt::QueuedConnection);
}
