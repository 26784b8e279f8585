#include "cad/CadConicalForm.h"

#include "cad/CoilDrawings.h"
#include "common/ui/Bindings.h"
#include "common/ui/FormRegistry.h"

namespace {

using cad::ConicalInputs;

const ui::In<ConicalInputs> kRead[] = {
    {"Text1", &ConicalInputs::d},  {"Text2", &ConicalInputs::OD1}, {"Text3", &ConicalInputs::OD2},
    {"Text4", &ConicalInputs::Nt}, {"Text7", &ConicalInputs::H0},
};

} // namespace

CadConicalForm::CadConicalForm()
    : CadInputForm(QStringLiteral("CadConicalForm"), QStringLiteral("塔簧参数输入"), QStringLiteral("未连接"),
                   false) {
    build({{caption(QStringLiteral("线   径d：")), ui::edit(QStringLiteral("Text1"))},
           {caption(QStringLiteral("小外径OD1：")), ui::edit(QStringLiteral("Text2"))},
           {caption(QStringLiteral("大外径OD2：")), ui::edit(QStringLiteral("Text3"))},
           {caption(QStringLiteral("有效圈数Nt：")), ui::edit(QStringLiteral("Text4"))},
           {caption(QStringLiteral("自由高度H0：")), ui::edit(QStringLiteral("Text7"))},
           {caption(QStringLiteral("2.请选择旋向：")),
            ui::combo(QStringLiteral("Combo1"), {QStringLiteral("右旋"), QStringLiteral("左旋")})},
           {button(QStringLiteral("Command3"), QStringLiteral("生成图形")),
            button(QStringLiteral("Command1"), QStringLiteral("不收圈塔形"))}},
          QStringLiteral("Picture1"));
    declare(ui::controlNames(kRead));
    onClick(QStringLiteral("Command3"), [this] { draw(true); });
    onClick(QStringLiteral("Command1"), [this] { draw(false); });
}

void CadConicalForm::draw(bool endTurns) {
    runDrawing([this, endTurns](cad::CadHost& host) {
        ConicalInputs in = ui::read(this, kRead);
        in.hand = text(QStringLiteral("Combo1"));
        in.endTurns = endTurns;
        cad::drawConical(host, in);
    });
}

SPIRELTA_REGISTER_FORM(CadConicalForm)
