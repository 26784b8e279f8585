#pragma once
// The hub window of a step-by-step wizard: one button per step in a column, a red arrow under
// each confirmed step, a finish button, and the box with the wizard's report so far.
//
// Only step 1 is offered when the hub loads. A step window that the user confirms writes its
// report into the hub and offers the next step (confirmToHub); opening step k again from the
// hub withdraws every later step, so that the report is rebuilt in order. The design wizards
// of compression, extension and torsion springs and the cost-analysis wizard are such hubs;
// each subclass names its captions and step windows and says what the finish button does.

#include "common/ui/FormBase.h"

#include <QStringList>
#include <array>

class QPlainTextEdit;

class DesignWizard : public FormBase {
    Q_OBJECT
public:
    static constexpr int kSteps = 5;

    struct Captions {
        int window = 0;           // window caption
        int frame = 0;            // caption of the frame around the buttons
        std::array<int, 6> steps; // Command1 to Command6
        int initialReport = 0;    // text of the report box at load
        int reportFont = 0;       // font name of the report box
    };

    DesignWizard(const QString& className, const Captions& captions, const QStringList& stepWindows);

    // The report as the steps wrote it, lines ended by CR LF.
    QString report() const { return report_; }
    // Shows a report: the box shows it with plain line feeds, report() keeps it as written.
    void setReport(const QString& report);

    // What a step window does when the user confirms step k (1 to 5): the hub of that class,
    // loaded hidden when it is not open, shows the report and offers step k + 1 and the arrow
    // of step k. Later steps and arrows are withdrawn, so that a section built on an older
    // step can no longer be appended after this one.
    static void confirmToHub(const QString& hubClass, int step, const QString& report);

    // Whether the button of step k (1 to 6, 6 the finish button) or the arrow under step k
    // is offered; hidden hubs answer as they would when shown.
    bool stepOffered(int step) const;
    bool arrowShown(int step) const;

protected:
    // The finish button (Command6): what the subclass does with the report.
    virtual void finish() = 0;

private:
    void openStep(int step);
    void offer(int lastConfirmedStep);

    QStringList stepWindows_;
    QString report_;
    QPlainTextEdit* box_ = nullptr;
};
