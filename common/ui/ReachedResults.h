#pragma once
// Showing the results of a calculation whose steps may be skipped.
//
// Some calculations skip a step and still run the next one (a working height below the solid
// height is reported and passed over). The skipped step's results then stay "not reached"
// (NaN, see PartialResults.h) between reached ones, and the boxes they map to keep their old
// texts. Such a window shows its results with its own function, table by table:
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

#include <cmath>
#include <optional>

namespace ui {

template <class S> struct Verdict {
    const char* control;
    std::optional<bool> S::*member;
};

// Writes the mapped results that were reached, in table order, and leaves the others.
template <class S, std::size_t N> void showReached(FormBase* form, const S& values, const Out<S> (&map)[N]) {
    for (const Out<S>& m : map) {
        const bool reached = std::visit([&](auto member) { return !std::isnan(values.*member); }, m.member);
        if (reached)
            show<S>(form, values, std::span<const Out<S>>(&m, 1));
    }
}

template <class S, std::size_t N>
void showVerdicts(FormBase* form, const S& values, const Verdict<S> (&map)[N]) {
    for (const Verdict<S>& v : map) {
        if (const std::optional<bool>& ok = values.*v.member)
            form->setText(QString::fromLatin1(v.control), springchecks::verdictText(*ok));
    }
}

} // namespace ui
