// Test values print as text: a failed comparison of two texts shows both texts, and a table
// row shows its name, so that the test listing and failures read without the value's bytes.

#include "support/WindowCases.h"

#include <gtest/gtest-spi.h>

namespace {

// A row as the test files declare theirs: in an unnamed namespace, without a printer.
struct LocalRow {
    const char* name;
    double value;
};

struct WindowStep {
    const char* window;
    const char* from;
};

TEST(ValuePrinting, TextsRowsAndLanguagesPrintAsTheyRead) {
    EXPECT_EQ(::testing::PrintToString(QStringLiteral("碳钢线 SWC")), "\"碳钢线 SWC\"");
    EXPECT_EQ(::testing::PrintToString(QStringList{QStringLiteral("a"), QStringLiteral("b")}),
              "{ \"a\", \"b\" }");
    EXPECT_EQ(::testing::PrintToString(LocalRow{"CarbonSteel", 1.5}), "CarbonSteel");
    EXPECT_EQ(::testing::PrintToString(WindowStep{"Form64", "Text1_5"}), "Form64");
    EXPECT_EQ(::testing::PrintToString(WindowCase{"Defaults", "Form8", {}, {}}), "Defaults");
    EXPECT_EQ(::testing::PrintToString(Language::EnUS), "en-US");
}

TEST(ValuePrinting, FailedTextComparisonShowsBothTexts) {
    EXPECT_NONFATAL_FAILURE(EXPECT_EQ(QStringLiteral("18.375"), QStringLiteral("18.38")), "\"18.38\"");
}

} // namespace
