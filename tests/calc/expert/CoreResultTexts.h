#pragma once
// Results of an expert calculation core as the window would show them, for table tests
// straight against compute(): a number with a box's pattern (or in its shortest form), a
// verdict as "OK"/"NG", another finding as "yes"/"no", and "NaN" / "none" for what the
// calculation did not reach.

#include "common/CheckedMath.h"
#include "common/Numbers.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

template <class R> struct ResultTexts {
    using Shown = std::function<QString(const R&)>;

    struct Expect {
        const char* what;
        Shown shown;
        const char* text; // UTF-8
    };

    static Shown text(std::function<double(const R&)> value, const char16_t* pattern = u"") {
        return [value, pattern](const R& r) {
            const double v = value(r);
            if (std::isnan(v))
                return QStringLiteral("NaN");
            const QStringView p(pattern);
            return p.isEmpty() ? num::text(v) : num::format(v, p);
        };
    }

    static Shown textSingle(std::function<float(const R&)> value, const char16_t* pattern = u"") {
        return [value, pattern](const R& r) {
            const float v = value(r);
            if (std::isnan(v))
                return QStringLiteral("NaN");
            const QStringView p(pattern);
            return p.isEmpty() ? num::textSingle(v) : num::formatSingle(v, p);
        };
    }

    static Shown verdict(std::function<std::optional<bool>(const R&)> value) {
        return [value](const R& r) {
            const std::optional<bool> ok = value(r);
            return !ok ? QStringLiteral("none") : *ok ? QStringLiteral("OK") : QStringLiteral("NG");
        };
    }

    // A yes/no finding that is not a verdict: "yes", "no", or "none" when not reached.
    static Shown flag(std::function<std::optional<bool>(const R&)> value) {
        return [value](const R& r) {
            const std::optional<bool> yes = value(r);
            return !yes ? QStringLiteral("none") : *yes ? QStringLiteral("yes") : QStringLiteral("no");
        };
    }

    static void expectShown(const R& r, const std::vector<Expect>& expected) {
        for (const Expect& e : expected)
            EXPECT_EQ(e.shown(r), QString::fromUtf8(e.text)) << e.what;
    }
};

// Worked examples of a core: a change to the base inputs and the texts of the results, run
// straight against compute(). A fault case expects num::CalcFault and lists what was reached
// before it and what was not.
template <class In, class R> struct CoreExamples {
    struct Case {
        const char* name; // letters, digits and "_": the test's name
        std::function<void(In&)> change;
        std::vector<typename ResultTexts<R>::Expect> expected;

        // Names a failing case by its name, not by its bytes.
        friend void PrintTo(const Case& c, std::ostream* os) { *os << c.name; }
    };
    enum class Ends { Complete, InFault };

    static void check(In in, const Case& c, void (*compute)(const In&, R&), Ends ends) {
        if (c.change)
            c.change(in);
        R r;
        if (ends == Ends::Complete)
            ASSERT_NO_THROW(compute(in, r));
        else
            EXPECT_THROW(compute(in, r), num::CalcFault);
        ResultTexts<R>::expectShown(r, c.expected);
    }

    static std::string name(const ::testing::TestParamInfo<Case>& info) { return info.param.name; }
};
