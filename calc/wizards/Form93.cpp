// Form93: step 3 of the compression wizard, the end form. The user picks one of the five end
// types (the same table as the expert calculator's end-form picker); each tick shows the
// type's code, the usual range of the inactive end coils n2 and the n2 taken, and stores that
// n2 in the shared variable the design and check steps add to the active coils.

#include "calc/wizards/StepLayout.h"
#include "calc/wizards/WizardReport.h"
#include "common/EndForms.h"
#include "common/StringTable.h"
#include "common/WizardState.h"
#include "common/ui/FormRegistry.h"
#include "common/ui/PictureChoice.h"
#include "common/ui/WizardStep.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace {

constexpr int kPictureWidth = 150;
constexpr int kDefaultForm = 2; // "YII"

class Form93 : public WizardStep {
public:
    Form93() : WizardStep(QStringLiteral("Form93"), QStringLiteral("Form90"), 3) {
        setWindowTitle(StringTable::text(1367));
        auto* cold = ui::makeFrame(this, QStringLiteral("Frame1"), 1976);
        auto* hot = ui::makeFrame(this, QStringLiteral("Frame2"), 1975);
        auto* coldColumn = new QVBoxLayout(cold);
        auto* hotColumn = new QVBoxLayout(hot);
        choice_ = new ui::PictureChoice(this);
        for (const endforms::EndForm& form : endforms::all()) {
            const bool isCold = form.coiling == endforms::Coiling::Cold;
            QWidget* frame = isCold ? cold : hot;
            QLabel* picture = choice_->add(frame, QString::fromLatin1(form.picture),
                                           QString::fromUtf8(form.description), kPictureWidth);
            (isCold ? coldColumn : hotColumn)->addWidget(picture);
        }

        auto* boxes = new QWidget(this);
        ui::grid(boxes, {
                            {ui::label("Label1_0", 1979), ui::result("Text1_0")},
                            {ui::label("Label1_1", 1978), ui::result("Text1_1")},
                            {ui::label("Label1_2", 1977), ui::result("Text1_2")},
                        });
        hotColumn->addWidget(boxes);
        hotColumn->addLayout(makeConfirmCancel());
        hotColumn->addStretch();

        auto* page = new QHBoxLayout(this);
        page->addWidget(cold);
        page->addWidget(hot);

        choice_->select(kDefaultForm);
        startTicking([this] { recompute(); });
    }

private:
    void recompute() {
        if (const int number = choice_->selected()) {
            const endforms::EndForm& form = endforms::all()[static_cast<std::size_t>(number - 1)];
            setText(QStringLiteral("Text1_0"), form.codeText());
            setText(QStringLiteral("Text1_1"), QString::fromLatin1(form.inactiveCoilRange));
            setText(QStringLiteral("Text1_2"), QString::fromLatin1(form.inactiveCoils));
        }
        wizard::state.inactiveEndCoils = wizardsteps::readSingle(this, QStringLiteral("Text1_2"));
    }

    QString confirmedReport() override {
        using wizardreport::line;
        QString r = wizardreport::section(wizard::state.compReport2, 2319);
        r += line(2320, text(QStringLiteral("Text1_0")));
        r += line(2321, text(QStringLiteral("Text1_1")));
        r += line(2322, text(QStringLiteral("Text1_2")), StringTable::text(2323));
        wizard::state.compReport3 = r;
        return r;
    }

    ui::PictureChoice* choice_ = nullptr;
};

} // namespace

SPIRELTA_REGISTER_FORM(Form93)
