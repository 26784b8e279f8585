#pragma once
// The window shared by the four load tests: the simulation area with the spring drawing, rows
// of caption, value and unit labels, the start and exit buttons, and the 500 ms animation
// timer. The window reads its calculator's controls by name through the window registry,
// when it loads and when a test starts (some tests on their ticks too); nothing is passed.
//
// A calculator that is closed or reset under a running test leaves fields that are no numbers:
// the test then stops and says so once, instead of animating nonsense.

#include "calc/normal/LoadTest.h"
#include "common/ui/FormBase.h"

#include <memory>
#include <vector>

class LoadTestCanvas;
class QTimer;

// One row of labels at the right of the simulation area.
struct LoadTestRow {
    QString captionName;
    int captionId = 0;      // caption from the string table, or
    QString captionLiteral; // a fixed caption, the same in every language
    QString valueName;
    QString unitName;
    QString unit;
};

class LoadTestForm : public FormBase {
    Q_OBJECT
public:
    LoadTestForm(const QString& className, int captionId, const QString& calculator,
                 std::unique_ptr<loadtest::LoadTest> test, const std::vector<LoadTestRow>& rows,
                 bool basePlate);

    // Command1: (re)starts the test from the start position.
    void startTest();
    // Timer1: one step of the animation.
    void tick();

    bool isRunning() const;
    const loadtest::LoadTest& test() const { return *test_; }

    // The message shown when the calculator's values cannot be read.
    static QString unreadableCalculatorText();

private:
    QString readCalculator(const QString& controlName) const;
    void showTexts(const loadtest::LabelTexts& texts);
    void stopAfterUnreadableTick();

    QString calculator_;
    std::unique_ptr<loadtest::LoadTest> test_;
    LoadTestCanvas* canvas_ = nullptr;
    QTimer* timer_ = nullptr;
};
