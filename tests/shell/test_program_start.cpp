// The calculator started as a user would start it under a file-size limit ("ulimit -f",
// SIGXFSZ at its default): once its window is up it ignores SIGXFSZ, so that a drawing sheet's
// bitmap past the limit fails with a reason instead of ending the program.

#include "support/FileSizeLimit.h"

#include <csignal>
#include <gtest/gtest.h>

namespace {

TEST(ProgramStart, CalculatorIgnoresTheFileSizeSignal) {
    const std::optional<quint64> ignored = ignoredSignalsOnceShown("SpireltaSpringV2024", {}, 500 * 1024);
    ASSERT_TRUE(ignored.has_value()) << "no window came up";
    EXPECT_TRUE(*ignored & signalBit(SIGXFSZ)) << std::hex << *ignored;
}

} // namespace
