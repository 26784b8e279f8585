#include "cad/CadExtensionForm.h"

#include "common/ui/Bindings.h"
#include "common/ui/FormRegistry.h"

namespace {

using cad::ExtensionInputs;

const cad::Input<ExtensionInputs> kInputs[] = {
    {"Text1", "线径d：", &ExtensionInputs::d},       {"Text2", "中径MD：", &ExtensionInputs::MD},
    {"Text3", "有效圈Nt：", &ExtensionInputs::Nt},   {"Text5", "上耳圈数：", &ExtensionInputs::UpT, "1"},
    {"Text4", "上耳中径：", &ExtensionInputs::UpMD}, {"Text6", "下耳圈数：", &ExtensionInputs::LoT, "1"},
    {"Text7", "下耳中径：", &ExtensionInputs::LoMD},
};

} // namespace

CadExtensionForm::CadExtensionForm()
    : CadInputForm(QStringLiteral("CadExtensionForm"), QStringLiteral("拉簧参数输入"),
                   QStringLiteral("未连接"), false) {
    build(cad::inputRows(kInputs, {{caption(QStringLiteral("2.请选择两耳对向角：")),
                                    ui::combo(QStringLiteral("Combo1"),
                                              {QStringLiteral("0度"), QStringLiteral("90度"),
                                               QStringLiteral("180度"), QStringLiteral("270度")})},
                                   {button(QStringLiteral("Command3"), QStringLiteral("生成边耳拉簧"))},
                                   {button(QStringLiteral("Command1"), QStringLiteral("生成中耳拉簧"))},
                                   {button(QStringLiteral("Command2"), QStringLiteral("一中一边耳"))},
                                   {button(QStringLiteral("Command4"), QStringLiteral("生成德式拉簧"))}}),
          QStringLiteral("Image1"), QStringLiteral("extension"));
    declare(cad::inputNames(kInputs));
    onClick(QStringLiteral("Command3"), [this] { draw(&cad::drawSideHooks); });
    onClick(QStringLiteral("Command1"), [this] { draw(&cad::drawCentreHooks); });
    onClick(QStringLiteral("Command2"), [this] { draw(&cad::drawCentreAndSideHook); });
    onClick(QStringLiteral("Command4"), [this] { draw(&cad::drawGermanHooks); });
}

void CadExtensionForm::draw(void (*drawing)(cad::CadHost&, const ExtensionInputs&)) {
    runDrawing([this, drawing](cad::CadHost& host) {
        ExtensionInputs in = cad::readInputs(this, kInputs);
        in.hookAngle = text(QStringLiteral("Combo1"));
        drawing(host, in);
    });
}

SPIRELTA_REGISTER_FORM(CadExtensionForm)
