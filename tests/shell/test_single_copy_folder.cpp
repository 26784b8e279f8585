// The single-copy lock is taken in the folder that was checked for it, through that folder's
// descriptor: the folder's name swapped for a link after the check leads the lock nowhere else.

#include "shell/Form1SingleCopy.h"
#include "support/PlantedFolders.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>
#include <gtest/gtest.h>

namespace {

TEST(SingleCopyFolder, TheLockIsTakenInTheFolderCheckedEvenWhenItsNameNowLeadsElsewhere) {
    QTemporaryDir scratch;
    ASSERT_TRUE(scratch.isValid());
    const QString cache = scratch.filePath("cache");
    ASSERT_TRUE(QDir().mkpath(cache + "/elsewhere"));
    CacheFolderInTest inTest(cache);
    form1::setSingleCopyLockPath(QString()); // forget any lock and folder of earlier tests
    const PrivatePath checked = form1::singleCopyLockPath();
    ASSERT_TRUE(checked.usable()) << qPrintable(checked.refusal);
    ASSERT_EQ(checked.path, cache + "/spirelta/SpireltaSpringV2024.lock");

    ASSERT_EQ(std::rename(QFile::encodeName(cache + "/spirelta").constData(),
                          QFile::encodeName(cache + "/checked").constData()),
              0);
    ASSERT_TRUE(QFile::link(cache + "/elsewhere", cache + "/spirelta"));
    const bool claimed = form1::claimSingleCopy();
    const QStringList inChecked = QDir(cache + "/checked").entryList(QDir::Files | QDir::Hidden);
    const QStringList inElsewhere = QDir(cache + "/elsewhere").entryList(QDir::Files | QDir::Hidden);
    form1::setSingleCopyLockPath(QString());

    EXPECT_TRUE(claimed);
    EXPECT_EQ(inChecked, QStringList{QStringLiteral("SpireltaSpringV2024.lock")});
    EXPECT_EQ(inElsewhere, QStringList());
}

} // namespace
