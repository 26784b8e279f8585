#pragma once
// Showing the results of a calculation that may stop part way.
//
// A calculation writes its results one after the other; when a step meets a fault, the boxes
// written before it keep their new texts and the later ones their old texts. A core mirrors
// that by leaving the results it did not reach "not reached"; ui::computeThenShow runs the
// core, shows what it reached whether it finished or faulted, and then passes the fault on to
// the window's fault handling (FormBase::onClick shows text 1035).
//
// Two kinds of result table exist, and they differ for a reason:
//
// - ui::Out<Results> (common/ui/Bindings.h) over float and double members that start as
//   ui::notReached (NaN). The table lists one box per result in the order the core fills them,
//   so showing stops at the first result not reached. A float member is written as a single
//   (7 digits without a pattern), a double one in full (15 digits).
//
//       Results r;
//       ui::computeThenShow(this, [&] { compute(in, r); }, r, kShow);
//
// - ui::Shown<Results> below, over std::optional<double> members. The table follows the
//   window's layout, not the core's order: a result may be shown twice (a box and a sketch
//   label with a prefix and a suffix, "(12.5mm时)"), and a later row may hold a result the core
//   reached before an earlier row's. So every reached result is written and the others are
//   passed over, wherever they stand. Without a pattern a value shows in the short form of a
//   single; with one, on the value itself.
//
//       ui::computeThenShow(this, [&] { compute(in, r); }, r, kShown);
//
// A window that writes more than a table (labels that echo boxes, verdicts) passes its own
// showing step: ui::computeThenShow([&] { compute(in, r); }, [&] { ...show... });

#include "common/CheckedMath.h"
#include "common/NotReached.h"
#include "common/ui/Bindings.h"

#include <QStringList>
#include <exception>
#include <optional>
#include <span>

namespace ui {

using num::notReached;
using num::notReachedSingle;

// Runs the calculation, then shows whatever it reached; a fault of the calculation goes on
// after the showing, a fault of the showing (a value no box may show) goes on as well.
template <class Step, class Show> void computeThenShow(Step&& step, Show&& show) {
    std::exception_ptr fault;
    try {
        step();
    } catch (const num::CalcFault&) {
        fault = std::current_exception();
    }
    try {
        show();
    } catch (const num::CalcFault&) {
        if (!fault)
            throw;
    }
    if (fault)
        std::rethrow_exception(fault);
}

template <class S, std::size_t N, class Step>
void computeThenShow(FormBase* form, Step&& step, const S& results, const Out<S> (&map)[N]) {
    computeThenShow(std::forward<Step>(step),
                    [&] { show(form, results, map); }); // stops at the first result not reached
}

// ui::Shown: a result map in the window's layout order (a result twice, with prefix and suffix);
// every reached result is written wherever it stands.
// A result written from a core's std::optional<double> member: with its pattern, on the value
// itself (a single widened exactly, so its own binary value decides the rounding), or, without
// a pattern, in the 7-digit short form of a single; between prefix and suffix.
template <class R> struct Shown {
    const char* control;
    std::optional<double> R::*member;
    const char* pattern = "";
    const char* prefix = "";
    const char* suffix = "";
};

// The text of one value as a result shows it.
QString resultText(double value, const char* pattern, const char* prefix = "", const char* suffix = "");

// Writes every known result in table order; results the core did not reach stay as they are.
template <class R> void showKnown(FormBase* form, const R& results, std::span<const Shown<R>> table) {
    for (const Shown<R>& s : table) {
        if (const std::optional<double>& v = results.*(s.member))
            form->setText(QString::fromLatin1(s.control), resultText(*v, s.pattern, s.prefix, s.suffix));
    }
}
template <class R, std::size_t N>
void showKnown(FormBase* form, const R& results, const Shown<R> (&table)[N]) {
    showKnown<R>(form, results, std::span<const Shown<R>>(table));
}

template <class R, std::size_t N, class Step>
void computeThenShow(FormBase* form, Step&& step, const R& results, const Shown<R> (&table)[N]) {
    computeThenShow(std::forward<Step>(step), [&] { showKnown(form, results, table); });
}

template <class R, std::size_t N> QStringList shownNames(const Shown<R> (&table)[N]) {
    QStringList names;
    for (const Shown<R>& s : table)
        names.append(QString::fromLatin1(s.control));
    return names;
}

} // namespace ui
