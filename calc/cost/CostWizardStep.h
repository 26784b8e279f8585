#pragma once
// A step window of the cost-analysis wizard (hub Form117). Confirm (Command1) checks and reads
// every field before it stores anything: a field that must hold a number and does not is
// named in the input message, an arithmetic fault shows the input-error message, and in both
// cases the wizard's variables, the report and the hub stay as they were and the window stays
// open. A confirmed step hands its report to the hub, which offers the next step, and closes;
// Cancel (Command2) only closes.

#include "common/Numbers.h"
#include "common/ui/Bindings.h"
#include "common/ui/FieldTable.h"
#include "common/ui/FormBase.h"

#include <QString>
#include <initializer_list>
#include <optional>
#include <vector>

class CostWizardStep : public FormBase {
    Q_OBJECT
public:
    static inline const QString kHub = QStringLiteral("Form117");

    CostWizardStep(const QString& className, int step);

protected:
    // The step's page: its title, the field rows, and Confirm and Cancel under them; Confirm
    // runs the given step. The names are declared, so that a misspelt one fails here.
    void buildPage(int titleId, const std::vector<std::vector<ui::Cell>>& rows, const QStringList& names,
                   std::function<void()> confirm);

    // Reads each control strictly as a single-precision number, in order. The first that is
    // no number is reported as text 1383 followed by its label text; nothing is returned then.
    struct NumberField {
        const char* control;
        int labelId;
    };
    std::optional<std::vector<float>> readNumbers(std::initializer_list<NumberField> fields);

    // The same into the members of `start`, in map order; the message names the caption that
    // the fields table gives the control. Every value is stored in single precision, as the
    // wizard's variables are.
    template <class S, std::size_t N>
    std::optional<S> readNumbers(const ui::In<S> (&map)[N], ui::InputFields captions, S start = {}) {
        for (const ui::In<S>& m : map) {
            const std::optional<float> value = strictSingle(m.control, captionOf(captions, m.control));
            if (!value)
                return std::nullopt;
            std::visit([&](auto member) { start.*member = *value; }, m.member);
        }
        return start;
    }

    // Shows the report in the hub, offers the next step and closes this window.
    void handToHub(const QString& report);

private:
    // The control's text read strictly in single precision, or the input message for it.
    std::optional<float> strictSingle(const char* control, int labelId);
    static int captionOf(ui::InputFields fields, const char* control);

    int step_;
};
