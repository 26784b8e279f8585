#pragma once
// Maps between a window's controls and the Inputs/Results structs of its calculation core.
//
// A calculator keeps its arithmetic in a core without widgets:
//
//   struct Inputs { float d, meanDiameter; double totalCoils; };
//   struct Results { float load; double rate; };
//   void compute(const Inputs&, Results&);   // throws num::CalcFault
//
// and its window only maps, with tables that name each control once:
//
//   const ui::In<Inputs> kRead[] = {{"Text1_0", &Inputs::d}, {"Text1_1", &Inputs::meanDiameter}};
//   const ui::Out<Results> kShow[] = {{"Text8", &Results::rate, "0.0"}, {"Text6", &Results::load, "0.0"}};
//
//   Inputs in = ui::read(this, kRead);     // lenient reading; a float member is stored in single
//   ui::show(this, r, kShow);              // in table order; a fault leaves the rest unwritten
//
// The window passes the tables' names to FormBase::declare in its constructor, so that a
// misspelt name fails when the window is built, not when the user clicks.

#include "common/Numbers.h"
#include "common/ui/FormBase.h"

#include <QStringList>
#include <cmath>
#include <span>
#include <variant>

namespace ui {

template <class S> struct In {
    const char* control;
    std::variant<float S::*, double S::*> member;
};

// ui::Out: the usual result map, float/double members in the core's order; showing stops at the
// first result not reached.
template <class S> struct Out {
    const char* control;
    std::variant<float S::*, double S::*> member;
    const char* pattern = ""; // "" writes the shortest text form
};

// Reads every mapped control leniently into a copy of `start`; a float member is stored in
// single precision (a value outside its range faults, as the store would overflow).
template <class S> S read(const FormBase* form, std::span<const In<S>> map, S start = {}) {
    for (const In<S>& m : map) {
        const double value = form->number(QString::fromLatin1(m.control));
        std::visit(
            [&](auto member) {
                if constexpr (std::is_same_v<std::remove_reference_t<decltype(start.*member)>, float>)
                    start.*member = num::single(value);
                else
                    start.*member = value;
            },
            m.member);
    }
    return start;
}

// Writes the mapped results in table order; a float member is written as a single.
template <class S> void show(FormBase* form, const S& values, std::span<const Out<S>> map) {
    for (const Out<S>& m : map) {
        const QString name = QString::fromLatin1(m.control);
        // Held for the whole loop body: a view of a temporary would point at freed memory.
        const QString pattern = QString::fromLatin1(m.pattern);
        std::visit(
            [&](auto member) {
                if constexpr (std::is_same_v<std::remove_cvref_t<decltype(values.*member)>, float>)
                    form->setSingle(name, values.*member, pattern);
                else
                    form->setNumber(name, values.*member, pattern);
            },
            m.member);
    }
}

// Writes only the mapped results that the calculation reached, in table order: a member still
// NaN (a step left out, or one after a stop or a fault) leaves its box as it was.
template <class S> void showReached(FormBase* form, const S& values, std::span<const Out<S>> map) {
    for (const Out<S>& m : map) {
        const bool reached = std::visit([&](auto member) { return !std::isnan(values.*member); }, m.member);
        if (reached)
            show<S>(form, values, std::span<const Out<S>>(&m, 1));
    }
}

template <class M> QStringList controlNames(std::span<const M> map) {
    QStringList names;
    for (const M& m : map)
        names.append(QString::fromLatin1(m.control));
    return names;
}

// The same for the usual case of a table that is a plain array.
template <class S, std::size_t N> S read(const FormBase* form, const In<S> (&map)[N], S start = {}) {
    return read<S>(form, std::span<const In<S>>(map), start);
}
template <class S, std::size_t N> void show(FormBase* form, const S& values, const Out<S> (&map)[N]) {
    show<S>(form, values, std::span<const Out<S>>(map));
}
template <class S, std::size_t N> void showReached(FormBase* form, const S& values, const Out<S> (&map)[N]) {
    showReached<S>(form, values, std::span<const Out<S>>(map));
}
template <class M, std::size_t N> QStringList controlNames(const M (&map)[N]) {
    return controlNames<M>(std::span<const M>(map));
}

} // namespace ui
