#pragma once
// The window of a fine-wire form that springs open (the circlip and the serpentine spring):
// five inputs left, the material list, the sketch right, and the rate, load and stress it
// works out in the same three boxes. Each window gives its caption, inputs, material order
// and picture; the rest is built, read and shown here.

#include "calc/noncoil/FineWireForms.h"
#include "calc/noncoil/StrictReading.h"
#include "common/SpringMaterials.h"
#include "common/ui/Bindings.h"
#include "common/ui/FieldTable.h"
#include "common/ui/PartialResults.h"

class FormBase;

namespace finewire {

inline const ui::Out<Results> kShownResults[] = {
    {"Text2", &Results::rate, "0.0000"},
    {"Text3", &Results::load, "0.0000"},
    {"Text4", &Results::stress, "0.0000"},
};

struct FormWindow {
    int captionId;
    ui::InputFields inputs;
    ShortListOrder materials;
    const char* picture; // resource path of the sketch
};

// Builds the window with its calculate, reset and exit buttons; the reset empties the inputs
// and the results.
void buildFormWindow(FormBase* form, const FormWindow& window, std::function<void()> calculate);

// Young's modulus of the chosen material, the required test, the strict reading of the fields
// into the form's inputs, then the form's arithmetic with the results it reached shown.
template <class Inputs, std::size_t N>
void calculateForm(FormBase* form, ui::InputFields inputs, const ui::In<Inputs> (&read)[N],
                   void (*compute)(const Inputs&, Results&)) {
    Inputs in;
    in.e = num::single(
        springMaterialModulus(SpringMaterialRows::Short, form->text(QStringLiteral("Combo1")), Modulus::E));
    if (!ui::requireFilled(form, inputs))
        return;
    in = noncoil::readStrict(form, read, in);
    Results r;
    ui::computeThenShow(
        form, [&] { compute(in, r); }, r, kShownResults);
}

} // namespace finewire
