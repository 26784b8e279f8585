#pragma once
// A sub-calculator of a wizard's design step: it proposes one dimension (wire diameter, mean
// diameter or active coils) in a frame of rows, and Confirm writes its proposal into the design
// step's field, loading the design step hidden when the user had closed it, then closes.
// Cancel only closes.

#include "calc/wizards/StepLayout.h"
#include "common/ui/FormBase.h"

#include <span>

class QComboBox;
class QVBoxLayout;

class SubCalculator : public FormBase {
public:
    struct WriteBack {
        QString source;       // the control whose text is the proposal
        QString targetWindow; // the design step
        QString targetField;
    };

    SubCalculator(const QString& className, int captionId, int frameCaptionId,
                  std::span<const wizardsteps::BoxRow> rows, WriteBack writeBack);

protected:
    // The series list with its caption and the formula picture, under the rows.
    QComboBox* addSeries(int captionId, const QStringList& entries, const QString& formula);
    // The text Confirm writes; the source control's text unless a window says otherwise.
    virtual QString proposal() const;

    WriteBack writeBack_;

private:
    QWidget* frame_ = nullptr;
    QVBoxLayout* inner_ = nullptr;
};
