#pragma once
// Checking the results of a calculation core as its window shows them, without the window.

#include "common/CheckedMath.h"
#include "common/Numbers.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <variant>
#include <vector>

// A result as its box shows it (ui::show writes a float as a single, a double as a double):
// with the box's pattern, or in the shortest form without one; "" when the calculation did
// not reach it.
inline std::string shownText(float value, const char* pattern = "") {
    if (std::isnan(value))
        return "";
    return num::formatSingle(value, QString::fromLatin1(pattern)).toStdString();
}
inline std::string shownText(double value, const char* pattern = "") {
    if (std::isnan(value))
        return "";
    return (*pattern ? num::format(value, QString::fromLatin1(pattern)) : num::text(value)).toStdString();
}

template <class R> struct ShownText {
    std::variant<float R::*, double R::*> member;
    const char* pattern;
    const char* text;
};

template <class R> void expectShown(const R& results, const std::vector<ShownText<R>>& expected) {
    for (const ShownText<R>& e : expected)
        std::visit(
            [&](auto member) {
                EXPECT_EQ(shownText(results.*member, e.pattern), e.text) << "expected " << e.text;
            },
            e.member);
}

// The inputs with one value changed.
template <class In> In changed(In in, float In::*member, float value) {
    in.*member = value;
    return in;
}

// A worked example of a core: its inputs and the results as the window shows them.
template <class In, class R> struct CoreExample {
    const char* name; // the test's name
    In in;
    std::vector<ShownText<R>> expected;
};

// The example runs through and shows its figures.
template <class In, class R>
void expectExample(const CoreExample<In, R>& example, void (*compute)(const In&, R&)) {
    R results;
    compute(example.in, results);
    expectShown(results, example.expected);
}

// The example stops at a fault: what came before it keeps its figure, what came after is
// empty ("").
template <class In, class R>
void expectFault(const CoreExample<In, R>& example, void (*compute)(const In&, R&)) {
    R results;
    EXPECT_THROW(compute(example.in, results), num::CalcFault);
    expectShown(results, example.expected);
}
