// Helidraw and the drawing host started as a user would start them under a file-size limit
// ("ulimit -f", SIGXFSZ at its default): once a window is up, each ignores SIGXFSZ, so that a
// save past the limit fails with a reason instead of ending the program with the drawing.

#include "support/FileSizeLimit.h"

#include <QTemporaryDir>
#include <csignal>
#include <gtest/gtest.h>

namespace {

TEST(ProgramStart, HelidrawAndTheHostIgnoreTheFileSizeSignal) {
    QTemporaryDir dir;
    const struct {
        const char* program;
        QStringList args;
    } rows[] = {
        {"Helidraw", {}},
        // A socket of its own: a host already answering on the usual one would make it quit.
        {"DrawingHost", {"--socket", dir.filePath("host.socket")}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.program);
        const std::optional<quint64> ignored = ignoredSignalsOnceShown(row.program, row.args, 20 * 1024);
        ASSERT_TRUE(ignored.has_value()) << "no window came up";
        EXPECT_TRUE(*ignored & signalBit(SIGXFSZ)) << std::hex << *ignored;
    }
}

} // namespace
