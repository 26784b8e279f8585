#include "calc/noncoil/FineWireFormWindow.h"

#include "common/ui/ArrayCalculator.h"
#include "common/ui/FormBuilder.h"

#include <QLabel>
#include <QVBoxLayout>

namespace finewire {

namespace {

const ui::ResultRow kResultRows[] = {
    {.box = "Text2", .captionId = 1362, .caption = "Label3", .unit = "Kgf.mm", .unitName = "Label4"},
    {.box = "Text3", .captionId = 1886, .caption = "Label5", .unit = "Kgf", .unitName = "Label6"},
    {.box = "Text4", .captionId = 1885, .caption = "Label7", .unit = "Kgf/mm2", .unitName = "Label8"},
};

QWidget* sketch(QWidget* parent, const char* picture) {
    auto* side = new QWidget(parent);
    auto* column = new QVBoxLayout(side);
    column->addWidget(ui::makePicture(side, QStringLiteral("Image1"), QString::fromLatin1(picture), 220));
    return side;
}

} // namespace

void buildFormWindow(FormBase* form, const FormWindow& window, std::function<void()> calculate) {
    const ui::InputFields inputs = window.inputs;
    ui::buildArrayCalculator(
        form,
        {.captionId = window.captionId,
         .inputs = inputs,
         .results = kResultRows,
         .materials = shortMaterialList(window.materials),
         .exitButton = "Command3",
         .resetButton = "Command2",
         .materialCaption = "Label28",
         .side = sketch(form, window.picture)},
        std::move(calculate), [form, inputs] {
            ui::resetFields(form, inputs);
            form->clearFields({QStringLiteral("Text2"), QStringLiteral("Text3"), QStringLiteral("Text4")});
        });
    form->declare(ui::controlNames(kShownResults));
}

} // namespace finewire
