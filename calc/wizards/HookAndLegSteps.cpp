// Step 3 of the extension wizard (Form102, the hook ends) and of the torsion wizard (Form111,
// the legs): the user picks a type among pictures; each tick shows the type's code (and, for
// hooks, the end-wire length factor L'/D, a text that is never computed with).

#include "calc/wizards/WizardReport.h"
#include "common/StringTable.h"
#include "common/WizardState.h"
#include "common/ui/FormBuilder.h"
#include "common/ui/FormRegistry.h"
#include "common/ui/PictureChoice.h"
#include "common/ui/WizardStep.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>
#include <span>

namespace {

constexpr int kPictureWidth = 150;

struct PictureType {
    const char* code;   // stored exactly as written
    const char* factor; // L'/D as shown; nullptr for legs
    const char* picture;
    int frame; // index into the step's frames
};

// The hook ends of extension springs, in the order a tick examines them. Codes keep their
// blanks: "L IV" is L, blank, I, V; "R LII" is R, blank, L, I, I.
const PictureType kHookEnds[] = {
    {"L I", "6.28", ":/pictures/wizards/ext_end_l1.svg", 0},
    {"L II", "6.12", ":/pictures/wizards/ext_end_l2.svg", 0},
    {"L III", "4.12", ":/pictures/wizards/ext_end_l3.svg", 0},
    {"L IV", "3.32", ":/pictures/wizards/ext_end_l4.svg", 0},
    {"L V", "4.44", ":/pictures/wizards/ext_end_l5.svg", 1},
    {"L VI", "2.11", ":/pictures/wizards/ext_end_l6.svg", 1},
    {"L VII", "6.28", ":/pictures/wizards/ext_end_l7.svg", 1},
    {"L VIII", "15.03", ":/pictures/wizards/ext_end_l8.svg", 1},
    {"R LI", "6.43", ":/pictures/wizards/ext_end_r1.svg", 2},
    {"R LII", "9.01", ":/pictures/wizards/ext_end_r2.svg", 2},
    {"R LIII", "6.28", ":/pictures/wizards/ext_end_r3.svg", 2},
};

// The leg forms of torsion springs.
const PictureType kLegForms[] = {
    {"NI", nullptr, ":/pictures/wizards/tors_leg_n1.svg", 0},
    {"NII", nullptr, ":/pictures/wizards/tors_leg_n2.svg", 0},
    {"NIII", nullptr, ":/pictures/wizards/tors_leg_n3.svg", 0},
    {"NIV", nullptr, ":/pictures/wizards/tors_leg_n4.svg", 1},
    {"NV", nullptr, ":/pictures/wizards/tors_leg_n5.svg", 1},
    {"NVI", nullptr, ":/pictures/wizards/tors_leg_n6.svg", 1},
};

class PictureTypeStep : public WizardStep {
public:
    PictureTypeStep(const QString& className, const QString& hubClass, std::span<const PictureType> types,
                    std::initializer_list<int> frameCaptions, bool framesSideBySide, int defaultType)
        : WizardStep(className, hubClass, 3), types_(types) {
        setWindowTitle(StringTable::text(1367));
        QList<QGroupBox*> frames;
        for (int captionId : frameCaptions) {
            auto* frame = ui::makeFrame(this, QStringLiteral("Frame%1").arg(frames.size() + 1), captionId);
            if (framesSideBySide)
                new QVBoxLayout(frame);
            else
                new QHBoxLayout(frame);
            frames << frame;
        }
        choice_ = new ui::PictureChoice(this);
        for (const PictureType& type : types) {
            QGroupBox* frame = frames[type.frame];
            frame->layout()->addWidget(
                choice_->add(frame, QString::fromLatin1(type.picture), {}, kPictureWidth));
        }

        boxes_ = new QWidget(this);
        std::vector<std::vector<ui::Cell>> rows{{ui::label("Label1_0", 1979), ui::result("Text1_0")}};
        if (types.front().factor)
            rows.push_back({ui::label("Label1_1", 2022), ui::result("Text1_1")});
        ui::grid(boxes_, rows);
        for (QLineEdit* box : boxes_->findChildren<QLineEdit*>())
            box->setMinimumWidth(ui::twips(1000)); // room for the longest code, "R LIII"

        if (framesSideBySide) {
            auto* page = new QHBoxLayout(this);
            for (int i = 0; i + 1 < frames.size(); ++i)
                page->addWidget(frames[i]);
            auto* last = new QVBoxLayout;
            last->addWidget(frames.last());
            last->addWidget(boxes_);
            last->addLayout(makeConfirmCancel());
            page->addLayout(last);
        } else {
            auto* page = new QVBoxLayout(this);
            for (QGroupBox* frame : frames)
                page->addWidget(frame);
            page->addWidget(boxes_);
            page->addLayout(makeConfirmCancel());
        }
        choice_->select(defaultType);
    }

protected:
    // Shows the first selected type; returns false when none is selected.
    bool showSelected() {
        const int number = choice_->selected();
        if (!number)
            return false;
        const PictureType& type = types_[static_cast<std::size_t>(number - 1)];
        setText(QStringLiteral("Text1_0"), QString::fromLatin1(type.code));
        if (type.factor)
            setText(QStringLiteral("Text1_1"), QString::fromLatin1(type.factor));
        return true;
    }

    std::span<const PictureType> types_;
    ui::PictureChoice* choice_ = nullptr;
    QWidget* boxes_ = nullptr;
};

class Form102 : public PictureTypeStep {
public:
    Form102()
        : PictureTypeStep(QStringLiteral("Form102"), QStringLiteral("Form99"), kHookEnds, {2021, 2021, 2020},
                          true, 3) {
        startTicking([this] {
            showSelected();
            wizard::state.extEndType = text(QStringLiteral("Text1_0"));
        });
    }

private:
    QString confirmedReport() override {
        using wizardreport::line;
        QString r = wizardreport::section(wizard::state.extReport2, 2319);
        r += line(2320, text(QStringLiteral("Text1_0")));
        r += line(2379, text(QStringLiteral("Text1_1")));
        wizard::state.extReport3 = r;
        return r;
    }
};

class Form111 : public PictureTypeStep {
public:
    Form111()
        : PictureTypeStep(QStringLiteral("Form111"), QStringLiteral("Form108"), kLegForms, {2036, 2037},
                          false, 5) {
        startTicking([this] { showSelected(); });
    }

private:
    // The heading and the line label of this section are the same in every language.
    QString confirmedReport() override {
        const QString crlf = wizardreport::kCrLf;
        QString r = wizard::state.torsReport2 + crlf + crlf + QStringLiteral("三、端部型式：") + crlf + crlf;
        r += QStringLiteral("    端部型式       sType=") + text(QStringLiteral("Text1_0")) + crlf;
        wizard::state.torsReport3 = r;
        return r;
    }
};

} // namespace

SPIRELTA_REGISTER_FORM(Form102)
SPIRELTA_REGISTER_FORM(Form111)
