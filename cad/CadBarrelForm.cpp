#include "cad/CadBarrelForm.h"

#include "cad/CoilDrawings.h"
#include "common/ui/Bindings.h"
#include "common/ui/FormRegistry.h"

namespace {

using cad::BarrelInputs;

const ui::In<BarrelInputs> kRead[] = {
    {"Text1", &BarrelInputs::d},  {"Text2", &BarrelInputs::R1}, {"Text3", &BarrelInputs::R2},
    {"Text4", &BarrelInputs::Nt}, {"Text7", &BarrelInputs::H0},
};

} // namespace

CadBarrelForm::CadBarrelForm()
    : CadInputForm(QStringLiteral("CadBarrelForm"), QStringLiteral("中凸弹簧参数"), QStringLiteral("......"),
                   false) {
    build({{caption(QStringLiteral("线   径d：")), ui::edit(QStringLiteral("Text1"))},
           {caption(QStringLiteral("小半径R1：")), ui::edit(QStringLiteral("Text2"))},
           {caption(QStringLiteral("大半径R2：")), ui::edit(QStringLiteral("Text3"))},
           {caption(QStringLiteral("有效圈数Nt：")), ui::edit(QStringLiteral("Text4"))},
           {caption(QStringLiteral("自由高度H0：")), ui::edit(QStringLiteral("Text7"))},
           {caption(QStringLiteral("2.请选择旋向：")),
            ui::combo(QStringLiteral("Combo1"), {QStringLiteral("右旋"), QStringLiteral("左旋")})},
           {button(QStringLiteral("Command3"), QStringLiteral("生成中凸SP")),
            button(QStringLiteral("Command1"), QStringLiteral("生成中凹SP"))}},
          QStringLiteral("Image1"));
    declare(ui::controlNames(kRead));
    onClick(QStringLiteral("Command3"), [this] { draw(true); });
    onClick(QStringLiteral("Command1"), [this] { draw(false); });
}

void CadBarrelForm::draw(bool barrel) {
    runDrawing([this, barrel](cad::CadHost& host) {
        BarrelInputs in = ui::read(this, kRead);
        in.hand = text(QStringLiteral("Combo1"));
        in.barrel = barrel;
        cad::drawBarrel(host, in);
    });
}

SPIRELTA_REGISTER_FORM(CadBarrelForm)
