#include "cad/CadBarrelForm.h"

#include "cad/CoilDrawings.h"
#include "common/ui/Bindings.h"
#include "common/ui/FormRegistry.h"

namespace {

using cad::BarrelInputs;

const cad::Input<BarrelInputs> kInputs[] = {
    {"Text1", "线   径d：", &BarrelInputs::d},    {"Text2", "小半径R1：", &BarrelInputs::R1},
    {"Text3", "大半径R2：", &BarrelInputs::R2},   {"Text4", "有效圈数Nt：", &BarrelInputs::Nt},
    {"Text7", "自由高度H0：", &BarrelInputs::H0},
};

} // namespace

CadBarrelForm::CadBarrelForm()
    : CadInputForm(QStringLiteral("CadBarrelForm"), QStringLiteral("中凸弹簧参数"), QStringLiteral("......"),
                   false) {
    build(cad::inputRows(kInputs, {handRow(QStringLiteral("2.请选择旋向：")),
                                   {button(QStringLiteral("Command3"), QStringLiteral("生成中凸SP")),
                                    button(QStringLiteral("Command1"), QStringLiteral("生成中凹SP"))}}),
          QStringLiteral("Image1"), QStringLiteral("barrel"));
    declare(cad::inputNames(kInputs));
    onClick(QStringLiteral("Command3"), [this] { draw(true); });
    onClick(QStringLiteral("Command1"), [this] { draw(false); });
}

void CadBarrelForm::draw(bool barrel) {
    runDrawing([this, barrel](cad::CadHost& host) {
        BarrelInputs in = cad::readInputs(this, kInputs);
        in.hand = text(QStringLiteral("Combo1"));
        in.barrel = barrel;
        cad::drawBarrel(host, in);
    });
}

SPIRELTA_REGISTER_FORM(CadBarrelForm)
