#include "cad/CadExtensionForm.h"

#include "common/ui/Bindings.h"
#include "common/ui/FormRegistry.h"

namespace {

using cad::ExtensionInputs;

// In the order the boxes are read.
const ui::In<ExtensionInputs> kRead[] = {
    {"Text1", &ExtensionInputs::d},    {"Text2", &ExtensionInputs::MD}, {"Text4", &ExtensionInputs::UpMD},
    {"Text7", &ExtensionInputs::LoMD}, {"Text3", &ExtensionInputs::Nt}, {"Text5", &ExtensionInputs::UpT},
    {"Text6", &ExtensionInputs::LoT},
};

} // namespace

CadExtensionForm::CadExtensionForm()
    : CadInputForm(QStringLiteral("CadExtensionForm"), QStringLiteral("拉簧参数输入"),
                   QStringLiteral("未连接"), false) {
    build({{caption(QStringLiteral("线径d：")), ui::edit(QStringLiteral("Text1"))},
           {caption(QStringLiteral("中径MD：")), ui::edit(QStringLiteral("Text2"))},
           {caption(QStringLiteral("有效圈Nt：")), ui::edit(QStringLiteral("Text3"))},
           {caption(QStringLiteral("上耳圈数：")), ui::edit(QStringLiteral("Text5"), QStringLiteral("1"))},
           {caption(QStringLiteral("上耳中径：")), ui::edit(QStringLiteral("Text4"))},
           {caption(QStringLiteral("下耳圈数：")), ui::edit(QStringLiteral("Text6"), QStringLiteral("1"))},
           {caption(QStringLiteral("下耳中径：")), ui::edit(QStringLiteral("Text7"))},
           {caption(QStringLiteral("2.请选择两耳对向角：")),
            ui::combo(QStringLiteral("Combo1"), {QStringLiteral("0度"), QStringLiteral("90度"),
                                                 QStringLiteral("180度"), QStringLiteral("270度")})},
           {button(QStringLiteral("Command3"), QStringLiteral("生成边耳拉簧"))},
           {button(QStringLiteral("Command1"), QStringLiteral("生成中耳拉簧"))},
           {button(QStringLiteral("Command2"), QStringLiteral("一中一边耳"))},
           {button(QStringLiteral("Command4"), QStringLiteral("生成德式拉簧"))}},
          QStringLiteral("Image1"));
    declare(ui::controlNames(kRead));
    onClick(QStringLiteral("Command3"), [this] { draw(&cad::drawSideHooks); });
    onClick(QStringLiteral("Command1"), [this] { draw(&cad::drawCentreHooks); });
    onClick(QStringLiteral("Command2"), [this] { draw(&cad::drawCentreAndSideHook); });
    onClick(QStringLiteral("Command4"), [this] { draw(&cad::drawGermanHooks); });
}

void CadExtensionForm::draw(void (*drawing)(cad::CadHost&, const ExtensionInputs&)) {
    runDrawing([this, drawing](cad::CadHost& host) {
        ExtensionInputs in = ui::read(this, kRead);
        in.hookAngle = text(QStringLiteral("Combo1"));
        drawing(host, in);
    });
}

SPIRELTA_REGISTER_FORM(CadExtensionForm)
