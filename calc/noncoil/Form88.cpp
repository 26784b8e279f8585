#include "calc/noncoil/Form88.h"

#include "calc/noncoil/WaveSpring.h"
#include "common/Numbers.h"
#include "common/StringTable.h"
#include "common/ui/Bindings.h"
#include "common/ui/CalculatorLayout.h"
#include "common/ui/FieldTable.h"
#include "common/ui/FormRegistry.h"
#include "common/ui/SheetFill.h"

#include <QBoxLayout>
#include <QGroupBox>
#include <QLabel>
#include <QStackedLayout>
#include <QTimer>

namespace {

using wave::Inputs;

// The message of an empty field names the thickness and the wave count by their own texts,
// and the working heights by the texts of the other calculators.
const ui::InputField kInputs[] = {
    {.field = "Text1_0",
     .captionId = 1478,
     .unit = "mm(0.3~0.6)",
     .defaultText = "0.76",
     .messageId = 2207,
     .caption = "Label1_0",
     .unitName = "Label5_0"},
    {.field = "Text1_1",
     .captionId = 1479,
     .unit = "mm",
     .defaultText = "4.01",
     .caption = "Label1_1",
     .unitName = "Label5_1"},
    {.field = "Text1_2",
     .captionId = 1945,
     .unit = "mm",
     .defaultText = "60",
     .caption = "Label1_2",
     .unitName = "Label5_2"},
    {.field = "Text1_3",
     .captionId = 1944,
     .unit = "mm",
     .defaultText = "50",
     .caption = "Label1_3",
     .unitName = "Label5_3"},
    {.field = "Text1_4",
     .captionId = 1943,
     .unit = "pcs(3~6)",
     .defaultText = "4.5",
     .messageId = 2206,
     .caption = "Label1_4",
     .unitName = "Label5_4"},
    {.field = "Text1_5",
     .captionId = 1373,
     .unit = "n+0.5T",
     .defaultText = "7",
     .onReset = ui::OnReset::Keep,
     .caption = "Label1_5",
     .unitName = "Label5_5"},
    {.field = "Text1_6",
     .captionId = 1369,
     .unit = "mm",
     .defaultText = "26.67",
     .caption = "Label1_6",
     .unitName = "Label5_6"},
    {.field = "Text1_7",
     .captionId = 1596,
     .unit = "mm",
     .defaultText = "18.06",
     .messageId = 2084,
     .caption = "Label1_7",
     .unitName = "Label5_7"},
    {.field = "Text1_8",
     .captionId = 2157,
     .unit = "mm",
     .defaultText = "18.00",
     .messageId = 2085,
     .caption = "Label1_8",
     .unitName = "Label5_8"},
};

const ui::In<Inputs> kRead[] = {
    {"Text1_0", &Inputs::t},          {"Text1_1", &Inputs::b},       {"Text1_2", &Inputs::bore},
    {"Text1_3", &Inputs::shaft},      {"Text1_4", &Inputs::waves},   {"Text1_5", &Inputs::turns},
    {"Text1_6", &Inputs::freeHeight}, {"Text1_7", &Inputs::height1}, {"Text1_8", &Inputs::height2},
};

const char* const kResultBoxes[] = {"Text2_0", "Text2_1", "Text2_2", "Text2_3",
                                    "Text2_4", "Text2_5", "Text2_7", "Text2_8"};

QString name(const char* n) {
    return QString::fromLatin1(n);
}

} // namespace

Form88::Form88() : FormBase(QStringLiteral("Form88")) {
    setWindowTitle(StringTable::text(1111));
    auto* rows = ui::column(this);
    auto* columns = new QHBoxLayout;
    rows->addLayout(columns);

    auto* left = new QWidget(this);
    ui::column(left);
    columns->addWidget(left);
    QGroupBox* inputs = ui::addFrame(left, name("Frame1"), 1366);
    ui::grid(
        inputs,
        {
            {ui::label(name("Label1_9"), 1375), ui::combo(name("Combo1"), wave::materialNames()), ui::gap()},
            {ui::label(name("Label1_10"), 1941),
             ui::combo(name("Combo2"), ui::listTexts({2412, 2413, 2414, 2415, 2416, 2417})), ui::gap()},
        });
    ui::grid(inputs, ui::inputRows(kInputs, false));
    setText(name("Label5_5"), StringTable::text(1942));
    setText(name("Combo1"), QStringLiteral("17-7"));
    ui::grid(inputs, {{ui::label(name("Label1_11"), 1940), ui::literal(name("Label5_9"), "?"),
                       ui::literal(name("Label5_10"), "mm")}});
    ui::addButtonRow(inputs, {{"Command1", 1357}, {"Command2", 1321}, {"Command3", 1355}});

    auto* right = new QWidget(this);
    ui::column(right);
    columns->addWidget(right);
    auto* pictures = new QWidget(right);
    auto* stack = new QStackedLayout(pictures);
    stack->setStackingMode(QStackedLayout::StackAll);
    const char* const pictureFiles[] = {"wave-gap.svg",    "wave-series-shims.svg", "wave-nested.svg",
                                        "wave-series.svg", "wave-overlap.svg",      "wave-closed.svg"};
    for (int i = 0; i < 6; ++i) {
        QLabel* picture = ui::makePicture(pictures, QStringLiteral("Image%1").arg(i + 1),
                                          QStringLiteral(":/pictures/noncoil/") + pictureFiles[i], 240);
        stack->addWidget(picture);
        picture->setVisible(i + 1 == 4);
    }
    right->layout()->addWidget(pictures);
    QGroupBox* results = ui::addFrame(right, name("Frame2"), 1936);
    ui::grid(results, {
                          {ui::label(name("Label3_0"), 1939), ui::edit(name("Text2_1")), ui::gap(),
                           ui::label(name("Label3_1"), 1938), ui::edit(name("Text2_5")),
                           ui::literal(name("Label4_5"), "mm")},
                          {ui::label(name("Label3_2"), 1585), ui::edit(name("Text2_2")),
                           ui::literal(name("Label4_2"), "N/mm"), ui::gap(), ui::gap(), ui::gap()},
                          {ui::label(name("Label3_3"), 1516), ui::edit(name("Text2_0")),
                           ui::literal(name("Label4_0"), "kgf"), ui::gap(), ui::edit(name("Text2_8")),
                           ui::literal(name("Label4_8"), "N")},
                          {ui::label(name("Label3_4"), 1517), ui::edit(name("Text2_4")),
                           ui::literal(name("Label4_4"), "kgf"), ui::gap(), ui::edit(name("Text2_3")),
                           ui::literal(name("Label4_3"), "N")},
                          {ui::label(name("Label3_5"), 1475), ui::edit(name("Text2_7")),
                           ui::literal(name("Label4_7"), "mm"), ui::literal(name("Label13"), QString(), 3)},
                      });
    auto* note = ui::makeLabel(this, name("Label11"), 1946);
    note->setWordWrap(true);
    rows->addWidget(note);
    declare(ui::controlNames(kRead));

    button(name("Command3"))->setEnabled(false);
    // Down walks the nine inputs; the window does not move the focus when it becomes active.
    attachInputArray(name("Text1"));
    setDefaultButton(button(name("Command1")));
    onClick(name("Command1"), [this] { calculate(); });
    onClick(name("Command2"), [this] { reset(); });
    onClick(name("Command3"), [this] { fillSheet(); });
    addTimer(name("Timer1"), 200, [this] { tick(); })->start();
}

void Form88::calculate() {
    const double e = wave::materialModulus(text(name("Combo1")));
    if (!ui::requireFilled(this, kInputs))
        return;
    Inputs in = ui::read(this, kRead);
    in.e = e;
    in.type = wave::springType(text(name("Combo2")));
    const wave::Results r = wave::compute(in); // every fault comes before the first box
    setSingle(name("Text2_7"), r.waveHeight, u"0.0");
    setText(name("Label13"), StringTable::text(r.verdictId));
    setSingle(name("Text2_0"), r.load1, u"0.000");
    setNumber(name("Text2_8"), r.load1N, u"0");
    setSingle(name("Text2_4"), r.load2, u"0.000");
    setNumber(name("Text2_3"), r.load2N, u"0");
    setNumber(name("Text2_1"), r.stressN, u"0.00");
    setNumber(name("Text2_2"), r.rateN, u"0.00");
    setSingle(name("Text2_5"), r.solidHeight, u"0.0");
    button(name("Command3"))->setEnabled(true);
}

void Form88::reset() {
    ui::resetFields(this, kInputs);
    for (const char* box : kResultBoxes)
        setText(name(box), QString());
    setText(name("Label13"), QString());
    setText(name("Label5_9"), QStringLiteral("?"));
}

void Form88::tick() {
    const wave::Type type = wave::springType(text(name("Combo2")));
    if (type != wave::Type::Unknown) {
        const QString shown = wave::pictureName(type);
        for (int i = 1; i <= 6; ++i) {
            const QString picture = QStringLiteral("Image%1").arg(i);
            label(picture)->setVisible(picture == shown);
        }
        if (wave::isSingleTurn(type))
            setText(name("Text1_5"), QStringLiteral("1"));
    }
    const double t = number(name("Text1_0"));
    const double turns = number(name("Text1_5"));
    // The free height counts in single precision, as the design wizards hold it.
    const float freeHeight = num::single(number(name("Text1_6")));
    setText(name("Label5_9"), num::format(wave::workingHeightHint(freeHeight, t, turns), u"0.0"));
}

void Form88::fillSheet() {
    // The turn count is converted strictly before anything is written, so a field that is not
    // a number leaves the sheet as it was.
    const double turns = num::strictOrFault(text(name("Text1_5")));
    auto asNumber = [this](const char* box) { return num::text(number(name(box))); };
    ui::SheetFill sheet = sheets::waveSpring();
    sheet.put(2, text(name("Combo1")));
    sheet.put({3, 6, 7}, asNumber("Text1_0"));
    sheet.put({5, 24}, asNumber("Text1_1"));
    sheet.put({8, 22}, asNumber("Text1_2"));
    sheet.put({9, 23}, asNumber("Text1_3"));
    sheet.put(10, text(name("Text1_4")));
    sheet.put({11, 25}, text(name("Text1_5")));
    sheet.put(26, num::text(turns + 2));
    sheet.put({12, 21, 19}, text(name("Text1_6")));
    sheet.put(15, text(name("Text1_7")));
    sheet.put(17, text(name("Text1_8")));
    sheet.put(13, text(name("Text2_1")));
    sheet.put(14, text(name("Text2_2")));
    sheet.put(16, text(name("Text2_8")));
    sheet.put(18, text(name("Text2_3")));
    sheet.put(4, text(name("Text2_7")));
    sheet.show();
}

SPIRELTA_REGISTER_FORM(Form88)
