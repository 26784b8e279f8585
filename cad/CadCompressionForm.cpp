#include "cad/CadCompressionForm.h"

#include "cad/CoilDrawings.h"
#include "common/ui/Bindings.h"
#include "common/ui/FormRegistry.h"

namespace {

using cad::CompressionInputs;

const cad::Input<CompressionInputs> kInputs[] = {
    {"Text1", "线   径d：", &CompressionInputs::d},
    {"Text2", "中  径MD：", &CompressionInputs::MD},
    {"Text3", "有效圈数Nt：", &CompressionInputs::Nt},
    {"Text4", "自由高度H0：", &CompressionInputs::H0},
    {"Text5", "首端收口圈数：", &CompressionInputs::N1, "1"},
    {"Text6", "末端收口圈数：", &CompressionInputs::N2, "1"},
};

} // namespace

CadCompressionForm::CadCompressionForm()
    : CadInputForm(QStringLiteral("CadCompressionForm"), QStringLiteral("压簧参数输入"),
                   QStringLiteral("未连接"), true) {
    build(cad::inputRows(kInputs, {handRow(QStringLiteral("2.请选择旋向：")),
                                   {button(QStringLiteral("Command3"), QStringLiteral("生成图形"))}}),
          QStringLiteral("Image1"), QStringLiteral("compression"));
    declare(cad::inputNames(kInputs));
    onClick(QStringLiteral("Command3"), [this] { draw(); });
}

void CadCompressionForm::draw() {
    runDrawing([this](cad::CadHost& host) {
        CompressionInputs in = cad::readInputs(this, kInputs);
        in.hand = text(QStringLiteral("Combo1"));
        cad::drawCompression(host, in);
    });
}

SPIRELTA_REGISTER_FORM(CadCompressionForm)
