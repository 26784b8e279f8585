#include "cad/CadTorsionForm.h"

#include "cad/CoilDrawings.h"
#include "common/ui/Bindings.h"
#include "common/ui/FormRegistry.h"

namespace {

using cad::TorsionInputs;

const ui::In<TorsionInputs> kRead[] = {
    {"Text1", &TorsionInputs::d},
    {"Text2", &TorsionInputs::MD},
    {"Text3", &TorsionInputs::Nt},
    {"Text4", &TorsionInputs::t},
};

} // namespace

CadTorsionForm::CadTorsionForm()
    : CadInputForm(QStringLiteral("CadTorsionForm"), QStringLiteral("扭簧参数"), QStringLiteral("未连接"),
                   false) {
    build({{caption(QStringLiteral("线   径d：")), ui::edit(QStringLiteral("Text1"))},
           {caption(QStringLiteral("中  径MD：")), ui::edit(QStringLiteral("Text2"))},
           {caption(QStringLiteral("有效圈数Nt：")), ui::edit(QStringLiteral("Text3"))},
           {caption(QStringLiteral("节  距t：")), ui::edit(QStringLiteral("Text4"))},
           {caption(QStringLiteral("2.请选旋向：")),
            ui::combo(QStringLiteral("Combo1"), {QStringLiteral("右旋"), QStringLiteral("左旋")})},
           {button(QStringLiteral("Command3"), QStringLiteral("生成图形"))}},
          QStringLiteral("Image1"));
    declare(ui::controlNames(kRead));
    onClick(QStringLiteral("Command3"), [this] { draw(); });
}

void CadTorsionForm::draw() {
    runDrawing([this](cad::CadHost& host) {
        TorsionInputs in = ui::read(this, kRead);
        in.hand = text(QStringLiteral("Combo1"));
        cad::drawTorsion(host, in);
    });
}

SPIRELTA_REGISTER_FORM(CadTorsionForm)
