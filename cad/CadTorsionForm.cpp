#include "cad/CadTorsionForm.h"

#include "cad/CoilDrawings.h"
#include "common/ui/Bindings.h"
#include "common/ui/FormRegistry.h"

namespace {

using cad::TorsionInputs;

const cad::Input<TorsionInputs> kInputs[] = {
    {"Text1", "线   径d：", &TorsionInputs::d},
    {"Text2", "中  径MD：", &TorsionInputs::MD},
    {"Text3", "有效圈数Nt：", &TorsionInputs::Nt},
    {"Text4", "节  距t：", &TorsionInputs::t},
};

} // namespace

CadTorsionForm::CadTorsionForm()
    : CadInputForm(QStringLiteral("CadTorsionForm"), QStringLiteral("扭簧参数"), QStringLiteral("未连接"),
                   false) {
    build(cad::inputRows(kInputs, {handRow(QStringLiteral("2.请选旋向：")),
                                   {button(QStringLiteral("Command3"), QStringLiteral("生成图形"))}}),
          QStringLiteral("Image1"), QStringLiteral("torsion"));
    declare(cad::inputNames(kInputs));
    onClick(QStringLiteral("Command3"), [this] { draw(); });
}

void CadTorsionForm::draw() {
    runDrawing([this](cad::CadHost& host) {
        TorsionInputs in = cad::readInputs(this, kInputs);
        in.hand = text(QStringLiteral("Combo1"));
        cad::drawTorsion(host, in);
    });
}

SPIRELTA_REGISTER_FORM(CadTorsionForm)
