#include "cad/CadCompressionForm.h"

#include "cad/CoilDrawings.h"
#include "common/ui/Bindings.h"
#include "common/ui/FormRegistry.h"

namespace {

using cad::CompressionInputs;

const ui::In<CompressionInputs> kRead[] = {
    {"Text1", &CompressionInputs::d},  {"Text2", &CompressionInputs::MD}, {"Text3", &CompressionInputs::Nt},
    {"Text4", &CompressionInputs::H0}, {"Text5", &CompressionInputs::N1}, {"Text6", &CompressionInputs::N2},
};

} // namespace

CadCompressionForm::CadCompressionForm()
    : CadInputForm(QStringLiteral("CadCompressionForm"), QStringLiteral("压簧参数输入"),
                   QStringLiteral("未连接"), true) {
    build(
        {{caption(QStringLiteral("线   径d：")), ui::edit(QStringLiteral("Text1"))},
         {caption(QStringLiteral("中  径MD：")), ui::edit(QStringLiteral("Text2"))},
         {caption(QStringLiteral("有效圈数Nt：")), ui::edit(QStringLiteral("Text3"))},
         {caption(QStringLiteral("自由高度H0：")), ui::edit(QStringLiteral("Text4"))},
         {caption(QStringLiteral("首端收口圈数：")), ui::edit(QStringLiteral("Text5"), QStringLiteral("1"))},
         {caption(QStringLiteral("末端收口圈数：")), ui::edit(QStringLiteral("Text6"), QStringLiteral("1"))},
         {caption(QStringLiteral("2.请选择旋向：")),
          ui::combo(QStringLiteral("Combo1"), {QStringLiteral("右旋"), QStringLiteral("左旋")})},
         {button(QStringLiteral("Command3"), QStringLiteral("生成图形"))}},
        QStringLiteral("Image1"));
    declare(ui::controlNames(kRead));
    onClick(QStringLiteral("Command3"), [this] { draw(); });
}

void CadCompressionForm::draw() {
    runDrawing([this](cad::CadHost& host) {
        CompressionInputs in = ui::read(this, kRead);
        in.hand = text(QStringLiteral("Combo1"));
        cad::drawCompression(host, in);
    });
}

SPIRELTA_REGISTER_FORM(CadCompressionForm)
