#pragma once
// The calculation of a window whose inputs and results are tables: the required-field test,
// the reading of the fields into the core's inputs, the core, and the results it reached.
//
//   Inputs start{};
//   start.g = materialModulus(text(QStringLiteral("Combo1")));   // what no field holds
//   ui::calculate(this, kInputs, kRead, start, &compute, kShow);
//
// The table of results is a ui::Out or a ui::Shown table (common/ui/PartialResults.h); a fault
// of the core shows what it reached and then goes on to FormBase::onClick (text 1035).

#include "common/ui/Bindings.h"
#include "common/ui/FieldTable.h"
#include "common/ui/PartialResults.h"

#include <optional>

namespace ui {

// Most windows test for missing fields and then read them; some have always read every field
// first (a text beyond the number range then faults before a missing field is named).
enum class Reading { AfterTest, BeforeTest };

// Returns the results, or nothing when a required field was empty (its message shown).
template <class Inputs, class Results, std::size_t N, class ShownTable>
std::optional<Results> calculate(FormBase* form, InputFields required, const In<Inputs> (&read)[N],
                                 Inputs start, void (*compute)(const Inputs&, Results&),
                                 const ShownTable& shown, Reading reading = Reading::AfterTest) {
    if (reading == Reading::BeforeTest)
        start = ui::read(form, read, start);
    if (!requireFilled(form, required))
        return std::nullopt;
    const Inputs in = reading == Reading::AfterTest ? ui::read(form, read, start) : start;
    Results r;
    computeThenShow(
        form, [&] { compute(in, r); }, r, shown);
    return r;
}

} // namespace ui
