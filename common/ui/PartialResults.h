#pragma once
// Showing the results of a calculation that may stop part way.
//
// A calculation writes its results one after the other; when a step meets a fault, the boxes
// written before it keep their new texts and the later ones their old texts. A core mirrors
// that by starting every result as "not reached" (a NaN) and filling them in order; this
// helper runs the core, shows the results in table order up to the first one not reached,
// and passes the fault on to the window's fault handling (text 1035).
//
//   Results r;                                  // every member starts as ui::notReached
//   ui::computeThenShow(this, [&] { compute(in, r); }, r, kShow);

#include "common/CheckedMath.h"
#include "common/NotReached.h"
#include "common/ui/Bindings.h"

#include <exception>
#include <utility>

namespace ui {

using num::notReached;
using num::notReachedSingle;

// Runs the core, then shows what it reached with the given function (also after a fault), then
// passes the fault on to the window's fault handling (text 1035). For windows that show their
// results from several tables (see Verdicts.h).
template <class Step, class Show> void computeThenShow(Step&& step, Show&& showResults) {
    std::exception_ptr fault;
    try {
        step();
    } catch (const num::CalcFault&) {
        fault = std::current_exception();
    }
    try {
        showResults();
    } catch (const num::CalcFault&) {
        if (!fault)
            throw;
    }
    if (fault)
        std::rethrow_exception(fault);
}

template <class S, std::size_t N, class Step>
void computeThenShow(FormBase* form, Step&& step, const S& results, const Out<S> (&map)[N]) {
    // show() stops at the first result not reached
    computeThenShow(std::forward<Step>(step), [&] { show(form, results, map); });
}

} // namespace ui
