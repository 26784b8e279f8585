#include "calc/noncoil/Form24.h"

#include "calc/noncoil/WaveWasher.h"
#include "common/Prompt.h"
#include "common/ui/Bindings.h"
#include "common/ui/CalculatorLayout.h"
#include "common/ui/FormBuilder.h"
#include "common/ui/FormRegistry.h"
#include "common/ui/PartialResults.h"

#include <QBoxLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

namespace {

using wavewasher::Inputs;
using wavewasher::Results;

// The window's texts are its own fixed Chinese texts, in every language.
struct Field {
    const char* name;
    const char* caption;
    const char* unit;
    const char* defaultText;
    const char* missing; // the message when the field is empty; nullptr for a result
};
const Field kFields[] = {
    {"Text1_0", "波簧外径(D)：", "mm", "65", "请输入波簧外径！"},
    {"Text1_1", "波簧内径(d)：", "mm", "54", "请输入波簧内径！"},
    {"Text1_2", "波簧料厚(t)：", "mm", "0.8", "请输入料厚！"},
    {"Text1_3", "波簧波数(N)：", "个", "5", "请输入波数！"},
    {"Text1_4", "压缩长度(δ)：", "mm", "1", "请输入压缩长度！"},
    {"Text1_5", "载荷 (P)：", "N", "", nullptr},
    {"Text1_6", "应力(S)：", "N/mm2", "", nullptr},
};

const ui::In<Inputs> kRead[] = {
    {"Text1_0", &Inputs::outer}, {"Text1_1", &Inputs::inner},      {"Text1_2", &Inputs::t},
    {"Text1_3", &Inputs::waves}, {"Text1_4", &Inputs::deflection},
};

const ui::Out<Results> kShow[] = {{"Text1_5", &Results::load, "0.00"}, {"Text1_6", &Results::stress, "0.00"}};

std::vector<std::vector<ui::Cell>> rows(int first, int last) {
    std::vector<std::vector<ui::Cell>> out;
    for (int i = first; i <= last; ++i) {
        const Field& f = kFields[i];
        out.push_back({ui::literal(QStringLiteral("Label1_%1").arg(i), QString::fromUtf8(f.caption)),
                       ui::edit(QString::fromLatin1(f.name), QString::fromUtf8(f.defaultText)),
                       ui::literal(QStringLiteral("Unit_%1").arg(i), QString::fromUtf8(f.unit))});
    }
    return out;
}

QPushButton* literalButton(QWidget* parent, const char* name, const char* caption) {
    auto* b = new QPushButton(QString::fromUtf8(caption), parent);
    b->setObjectName(QString::fromLatin1(name));
    return b;
}

} // namespace

Form24::Form24() : FormBase(QStringLiteral("Form24")) {
    setWindowTitle(QStringLiteral("波形垫圈计算"));
    ui::column(this);
    QGroupBox* inputs = ui::addFrame(this, QStringLiteral("Frame1"), 0);
    inputs->setTitle(QStringLiteral("资料输入"));
    auto* top = new QHBoxLayout;
    auto* fields = new QWidget(inputs);
    ui::column(fields);
    ui::grid(fields, {{ui::literal(QStringLiteral("Label1_7"), QStringLiteral("弹簧材料：")),
                       ui::combo(QStringLiteral("Combo1"), wavewasher::materialNames()), ui::gap()}});
    ui::grid(fields, rows(0, 4));
    top->addWidget(fields);
    top->addWidget(ui::makePicture(inputs, QStringLiteral("Image1"),
                                   QStringLiteral(":/pictures/noncoil/wave-washer.svg"), 220));
    static_cast<QBoxLayout*>(inputs->layout())->addLayout(top);

    QGroupBox* results = ui::addFrame(this, QStringLiteral("Frame2"), 0);
    results->setTitle(QStringLiteral("计算结果"));
    auto* bottom = new QHBoxLayout;
    auto* boxes = new QWidget(results);
    ui::grid(boxes, rows(5, 6));
    bottom->addWidget(boxes);
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(literalButton(results, "Command1", "计算"));
    buttons->addWidget(literalButton(results, "Command2", "重置"));
    bottom->addLayout(buttons);
    static_cast<QBoxLayout*>(results->layout())->addLayout(bottom);
    declare(ui::controlNames(kRead) + ui::controlNames(kShow));

    attachInputArray(QStringLiteral("Text1"));
    setDefaultButton(button(QStringLiteral("Command1")));
    onClick(QStringLiteral("Command1"), [this] { calculate(); });
    onClick(QStringLiteral("Command2"), [this] {
        for (QLineEdit* box : inputArray(QStringLiteral("Text1")))
            box->clear();
    });
}

void Form24::calculate() {
    const double e = wavewasher::materialModulus(text(QStringLiteral("Combo1")));
    for (const Field& f : kFields) {
        if (f.missing && isEmpty(QString::fromLatin1(f.name))) {
            // This window's own boxes: OK only, no icon, the program's title.
            prompt::ask(this, {prompt::programTitle(), QString::fromUtf8(f.missing), PromptIcon::None,
                               PromptButtons::Ok});
            return;
        }
    }
    Inputs in = ui::read(this, kRead);
    in.e = e;
    Results r;
    ui::computeThenShow(
        this, [&] { wavewasher::compute(in, r); }, r, kShow);
}

SPIRELTA_REGISTER_FORM(Form24)
