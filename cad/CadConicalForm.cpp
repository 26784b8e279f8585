#include "cad/CadConicalForm.h"

#include "cad/CoilDrawings.h"
#include "common/ui/Bindings.h"
#include "common/ui/FormRegistry.h"

namespace {

using cad::ConicalInputs;

const cad::Input<ConicalInputs> kInputs[] = {
    {"Text1", "线   径d：", &ConicalInputs::d},    {"Text2", "小外径OD1：", &ConicalInputs::OD1},
    {"Text3", "大外径OD2：", &ConicalInputs::OD2}, {"Text4", "有效圈数Nt：", &ConicalInputs::Nt},
    {"Text7", "自由高度H0：", &ConicalInputs::H0},
};

} // namespace

CadConicalForm::CadConicalForm()
    : CadInputForm(QStringLiteral("CadConicalForm"), QStringLiteral("塔簧参数输入"), QStringLiteral("未连接"),
                   false) {
    build(cad::inputRows(kInputs, {handRow(QStringLiteral("2.请选择旋向：")),
                                   {button(QStringLiteral("Command3"), QStringLiteral("生成图形")),
                                    button(QStringLiteral("Command1"), QStringLiteral("不收圈塔形"))}}),
          QStringLiteral("Picture1"), QStringLiteral("conical"));
    declare(cad::inputNames(kInputs));
    onClick(QStringLiteral("Command3"), [this] { draw(true); });
    onClick(QStringLiteral("Command1"), [this] { draw(false); });
}

void CadConicalForm::draw(bool endTurns) {
    runDrawing([this, endTurns](cad::CadHost& host) {
        ConicalInputs in = cad::readInputs(this, kInputs);
        in.hand = text(QStringLiteral("Combo1"));
        in.endTurns = endTurns;
        cad::drawConical(host, in);
    });
}

SPIRELTA_REGISTER_FORM(CadConicalForm)
