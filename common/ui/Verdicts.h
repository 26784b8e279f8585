#pragma once
// Verdict labels, and showing the results of a calculation whose steps may be skipped.
//
// Some calculations skip a step and still run the next one (a working height below the solid
// height is reported and passed over). The skipped step's results then stay "not reached"
// (NaN, see PartialResults.h) between reached ones, and the boxes they map to keep their old
// texts (ui::showReached, Bindings.h). Such a window shows its results with its own function,
// table by table:
//
//   Results r;
//   ui::computeThenShow([&] { compute(in, r); }, [&] {   // PartialResults.h
//       ui::showReached(this, r.first, kFirst);
//       ui::showVerdicts(this, r.first, kFirstVerdicts);
//       ...
//   });
//
// Verdict labels ("OK"/"NG") map an optional<bool> member: empty leaves the label as it was.

#include "common/SpringChecks.h"
#include "common/ui/PartialResults.h"

#include <optional>

namespace ui {

template <class S> struct Verdict {
    const char* control;
    std::optional<bool> S::*member;
};

template <class S, std::size_t N>
void showVerdicts(FormBase* form, const S& values, const Verdict<S> (&map)[N]) {
    for (const Verdict<S>& v : map) {
        if (const std::optional<bool>& ok = values.*v.member)
            form->setText(QString::fromLatin1(v.control), springchecks::verdictText(*ok));
    }
}

} // namespace ui
