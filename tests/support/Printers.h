#pragma once
// How the tests' values print: a QString as its text and a table row as its name. The test
// listing (`ctest -N`), the names of parameterised tests and a failed comparison then show
// text, never the bytes of a value, which hold addresses and change from build to build.
//
// Every test file sees this header before any other (tests/CMakeLists.txt includes it first):
// a printer that some files see and others do not would be picked by the linker at random.

#include "common/StringTable.h"

#include <QString>
#include <gtest/gtest-printers.h>
#include <ostream>
#include <string_view>
#include <type_traits>

inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toUtf8().constData() << '"';
}

inline void PrintTo(Language language, std::ostream* os) {
    switch (language) {
    case Language::ZhCN:
        *os << "zh-CN";
        return;
    case Language::ZhTW:
        *os << "zh-TW";
        return;
    case Language::EnUS:
        *os << "en-US";
        return;
    }
    *os << "language " << static_cast<int>(language);
}

namespace testprinting {

// A row of a test table: a struct whose `name` says which case it is.
template <class Row>
concept NamedRow = std::is_class_v<Row> && !std::is_const_v<Row> && requires(const Row& row) {
    { row.name } -> std::convertible_to<std::string_view>;
};

// A row of a table over windows, without a name of its own: the window says which case it is.
template <class Row>
concept WindowRow =
    std::is_class_v<Row> && !std::is_const_v<Row> && !NamedRow<Row> && requires(const Row& row) {
    { row.window } -> std::convertible_to<std::string_view>;
};

// A type with a printer of its own, found next to it.
template <class T>
concept HasOwnPrinter = requires(const T& value, std::ostream* os) {
    PrintTo(value, os);
};

// Rows that print as their name, and rows that print as their window.
template <class Row>
concept PrintsAsName = NamedRow<Row> && !HasOwnPrinter<Row>;
template <class Row>
concept PrintsAsWindow = WindowRow<Row> && !HasOwnPrinter<Row>;

} // namespace testprinting

namespace testing::internal {

// A table row without a printer of its own prints as its name. gtest asks this class for every
// value it prints, so rows declared in a test file's unnamed namespace are covered as well.
template <testprinting::PrintsAsName Row> class UniversalPrinter<Row> {
public:
    static void Print(const Row& row, std::ostream* os) { *os << std::string_view(row.name); }
};

// A row over windows without a name or a printer of its own prints as its window.
template <testprinting::PrintsAsWindow Row> class UniversalPrinter<Row> {
public:
    static void Print(const Row& row, std::ostream* os) { *os << std::string_view(row.window); }
};

} // namespace testing::internal
