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
// Verdict labels map an optional<bool> member to their words ("OK"/"NG" unless the label
// says more, "Mpa OK"); an empty member (a check not reached) leaves the label as it was. A
// label may put a detail of the results before the word ("0.4-0.8-OK").

#include "common/ui/PartialResults.h"

#include <optional>
#include <span>

namespace ui {

template <class S> struct Verdict {
    const char* control;
    std::optional<bool> S::*member;
    const char* ok = "OK"; // UTF-8
    const char* ng = "NG";
    QString (*detail)(const S&) = nullptr;
};

template <class S> void showVerdicts(FormBase* form, const S& values, std::span<const Verdict<S>> map) {
    for (const Verdict<S>& v : map) {
        if (const std::optional<bool>& decided = values.*v.member) {
            const QString word = QString::fromUtf8(*decided ? v.ok : v.ng);
            form->setText(QString::fromLatin1(v.control), v.detail ? v.detail(values) + word : word);
        }
    }
}

template <class S, std::size_t N>
void showVerdicts(FormBase* form, const S& values, const Verdict<S> (&map)[N]) {
    showVerdicts<S>(form, values, std::span<const Verdict<S>>(map));
}

} // namespace ui
