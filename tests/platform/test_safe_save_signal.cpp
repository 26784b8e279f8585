// A program ended by SIGTERM in the middle of a save, as a user's session ends it: a child of
// the test takes the programs' own start-up step and saves through the same call the programs
// use, and is stopped while its file is being written. Nothing is left beside the target, and
// the old file is as it was, whether the file system offers nameless files or not.

#include "common/FileReplace.h"
#include "common/StartUp.h"
#include "support/SaveFaults.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <csignal>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

QByteArray read(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

TEST(SaveCutShort, TerminatedInTheMiddleOfASaveLeavesOnlyTheOldFile) {
    const struct {
        const char* name;
        bool nameless;
    } cases[] = {{"nameless temporary file", true}, {"named temporary file", false}};
    // Large enough that writing and syncing it takes a while.
    const QByteArray bytes(64 * 1024 * 1024, 'n');
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir folder;
        const QString target = folder.filePath("picture.bmp");
        bool caught = false;
        int status = 0;
        for (int attempt = 0; attempt < 5 && !caught; ++attempt) {
            {
                QFile old(target);
                ASSERT_TRUE(old.open(QIODevice::WriteOnly | QIODevice::Truncate));
                old.write("old picture\n");
            }
            const pid_t child = ::fork();
            ASSERT_GE(child, 0);
            if (child == 0) {
                // The default actions a session's signals find in a program that has just started.
                for (const int signal : {SIGTERM, SIGHUP, SIGINT})
                    std::signal(signal, SIG_DFL);
                if (!c.nameless && !refuseNamelessFiles())
                    ::_exit(3);
                startup::prepareProcess();
                ::_exit(replaceFile(target, bytes).isEmpty() ? 0 : 2);
            }
            caught = stopWhileWritingIn(child, folder.path(), 10000);
            if (caught)
                ::kill(child, SIGTERM);
            ::kill(child, SIGCONT);
            ASSERT_EQ(::waitpid(child, &status, 0), child);
            if (!caught) {
                ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
            }
        }
        ASSERT_TRUE(caught) << "the save was never caught writing its file";
        EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGTERM) << status;
        EXPECT_EQ(QDir(folder.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
                  QStringList{"picture.bmp"});
        EXPECT_EQ(read(target), "old picture\n");
    }
}

} // namespace
