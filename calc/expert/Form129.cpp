#include "calc/expert/Form129.h"

#include "common/CheckedMath.h"
#include "common/EndForms.h"
#include "common/Numbers.h"
#include "common/StringTable.h"
#include "common/WizardState.h"
#include "common/ui/FormBuilder.h"
#include "common/ui/FormRegistry.h"
#include "common/ui/LabelClick.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QVBoxLayout>

namespace {

constexpr int kRefreshIntervalMs = 200;
constexpr int kPictureWidth = 150;

const endforms::EndForm& endForm(int number) {
    return endforms::all()[static_cast<std::size_t>(number - 1)];
}

} // namespace

Form129::Form129() : FormBase(QStringLiteral("Form129")) {
    setWindowTitle(StringTable::text(1367));

    auto* cold = ui::makeFrame(this, QStringLiteral("Frame1"), 1976);
    auto* hot = ui::makeFrame(this, QStringLiteral("Frame2"), 1975);
    auto* coldRow = new QHBoxLayout(cold);
    auto* hotRow = new QHBoxLayout(hot);
    for (int number = 1; number <= 5; ++number) {
        const bool isCold = endForm(number).coiling == endforms::Coiling::Cold;
        QWidget* picture = makePicture(number);
        picture->setParent(isCold ? cold : hot);
        (isCold ? coldRow : hotRow)->addWidget(picture);
    }
    hotRow->addStretch();

    auto* boxes = new QWidget(this);
    ui::grid(boxes, {
                        {ui::label("Label1_0", 1979), ui::result("Text1_0")},
                        {ui::label("Label1_1", 1978), ui::result("Text1_1")},
                        {ui::label("Label1_2", 1977), ui::result("Text1_2")},
                    });
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (const char* name : {"Command1", "Command2"})
        buttons->addWidget(ui::makeButton(this, QString::fromLatin1(name), 0));
    // Fixed captions of the picker, the same in every language.
    button(QStringLiteral("Command1"))->setText(QStringLiteral("确认"));
    button(QStringLiteral("Command2"))->setText(QStringLiteral("取消"));

    auto* page = new QVBoxLayout(this);
    auto* frames = new QHBoxLayout;
    frames->addWidget(cold);
    frames->addWidget(hot);
    page->addLayout(frames);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(boxes);
    bottom->addLayout(buttons);
    page->addLayout(bottom);

    option(2)->setChecked(true);

    connect(button(QStringLiteral("Command1")), &QPushButton::clicked, this, [this] { confirm(); });
    connect(button(QStringLiteral("Command2")), &QPushButton::clicked, this, [this] { close(); });
    addTimer(QStringLiteral("Timer1"), kRefreshIntervalMs, [this] { refresh(); })->start();
}

QWidget* Form129::makePicture(int number) {
    const endforms::EndForm& form = endForm(number);
    QLabel* picture = ui::makePicture(this, QStringLiteral("Picture%1").arg(number),
                                      QString::fromLatin1(form.picture), kPictureWidth);
    picture->setToolTip(QString::fromUtf8(form.description));
    picture->setFrameShape(QFrame::Box);

    // The option button sits inside its picture, without a caption; the buttons of different
    // pictures do not clear one another by themselves, select() does.
    auto* button = new QRadioButton(picture);
    button->setObjectName(QStringLiteral("Option%1").arg(number));
    button->setAutoExclusive(false);
    button->move(4, 4);
    connect(button, &QRadioButton::clicked, this, [this, number] { select(number); });
    ui::onLabelClick(picture, [this, number] { select(number); });
    return picture;
}

QRadioButton* Form129::option(int number) const {
    return control<QRadioButton>(QStringLiteral("Option%1").arg(number));
}

void Form129::select(int number) {
    for (int other = 1; other <= 5; ++other)
        option(other)->setChecked(other == number);
    // Refreshing at once means that Confirm always writes the code the user sees.
    runGuarded([this] { refresh(); });
}

void Form129::refresh() {
    for (int number = 1; number <= 5; ++number) {
        if (!option(number)->isChecked())
            continue;
        const endforms::EndForm& form = endForm(number);
        setText(QStringLiteral("Text1_0"), form.codeText());
        setText(QStringLiteral("Text1_1"), QString::fromLatin1(form.inactiveCoilRange));
        setText(QStringLiteral("Text1_2"), QString::fromLatin1(form.inactiveCoils));
        break;
    }
    wizard::inactiveEndCoils = num::toSingle(num::strictOrFault(text(QStringLiteral("Text1_2"))));
}

void Form129::confirm() {
    // Writing into a closed Form21 loads it hidden with the code in place.
    FormRegistry::writeText(QStringLiteral("Form21"), QStringLiteral("Text3"),
                            text(QStringLiteral("Text1_0")));
    close();
}

SPIRELTA_REGISTER_FORM(Form129)
