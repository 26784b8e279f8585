#include "calc/noncoil/Form89.h"

#include "calc/noncoil/StrictReading.h"
#include "calc/noncoil/WindingMandrel.h"
#include "common/StringTable.h"
#include "common/ui/CalculatorLayout.h"
#include "common/ui/FieldTable.h"
#include "common/ui/FormRegistry.h"
#include "common/ui/PartialResults.h"
#include "platform/ExcelWorkbookOpener.h"

#include <QBoxLayout>
#include <QLabel>

namespace {

using mandrel::Inputs;
using mandrel::Results;

const ui::InputField kInputs[] = {
    {.field = "Text1_0", .captionId = 1815, .unit = "mm", .caption = "Label1_0", .unitName = "Label1_5"},
    {.field = "Text1_1", .captionId = 2102, .unit = "mm", .caption = "Label1_1", .unitName = "Label1_6"},
    {.field = "Text1_2", .captionId = 1412, .unit = "Mpa", .caption = "Label1_2", .unitName = "Label1_7"},
    {.field = "Text1_3",
     .captionId = 1948,
     .unit = "Mpa",
     .defaultText = "206000",
     .onReset = ui::OnReset::Default,
     .caption = "Label1_3",
     .unitName = "Label1_8"},
    {.field = "Text1_4",
     .captionId = 1949,
     .unit = "mm",
     .need = ui::Need::Plain,
     .caption = "Label1_4",
     .unitName = "Label1_9"},
};

const ui::In<Inputs> kRead[] = {
    {"Text1_0", &Inputs::d},
    {"Text1_1", &Inputs::inner},
    {"Text1_2", &Inputs::strength},
    {"Text1_3", &Inputs::e},
};

const ui::Out<Results> kShow[] = {{"Text1_4", &Results::diameter, "0.00"}};

} // namespace

Form89::Form89() : FormBase(QStringLiteral("Form89")) {
    setWindowTitle(StringTable::text(1086));
    auto* page = new QHBoxLayout(this);
    auto* left = new QWidget(this);
    ui::column(left);
    ui::grid(left, ui::inputRows(kInputs, false));
    QLabel* note = ui::makeLabel(left, QStringLiteral("Label2"), 1950);
    note->setWordWrap(true);
    left->layout()->addWidget(note);
    ui::addButtonRow(left, {{"Command1", 1357}, {"Command2", 1321}, {"Command3", 1947}});
    page->addWidget(left);
    page->addWidget(ui::makePicture(this, QStringLiteral("Image1"),
                                    QStringLiteral(":/pictures/noncoil/mandrel.svg"), 200),
                    0, Qt::AlignTop);
    declare(ui::controlNames(kRead) + ui::controlNames(kShow));

    attachInputArray(QStringLiteral("Text1"));
    setFirstField(field(QStringLiteral("Text1_0")));
    setDefaultButton(button(QStringLiteral("Command1")));
    onClick(QStringLiteral("Command1"), [this] { calculate(); });
    onClick(QStringLiteral("Command2"), [this] { ui::resetFields(this, kInputs); });
    ExcelWorkbookOpener::attachViewer(button(QStringLiteral("Command3")), QStringLiteral("/klqd.xls"));
}

void Form89::calculate() {
    if (!ui::requireFilled(this, kInputs))
        return;
    const Inputs in = noncoil::readStrict(this, kRead);
    Results r;
    ui::computeThenShow(
        this, [&] { mandrel::compute(in, r); }, r, kShow);
}

SPIRELTA_REGISTER_FORM(Form89)
