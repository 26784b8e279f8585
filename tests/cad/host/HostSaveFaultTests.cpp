// The host's saveDxf call under faults: a write cut short (a file-size limit on the host, as
// on a full disk) and a read-only target. Either is refused with an error, and the old file
// stays as it was.

#include "HostProcess.h"
#include "common/FileWrite.h"
#include "common/StringTable.h"
#include "support/FileSizeLimit.h"

#include <QDir>
#include <QFile>
#include <QLocale>
#include <cerrno>
#include <sys/stat.h>

namespace {

QByteArray contentsOf(const QString& path) {
    QFile f(path);
    f.open(QIODevice::ReadOnly);
    return f.readAll();
}

TEST_F(HostProcess, SaveCutShortByAFullDiskKeepsTheOldFileAndSaysSo) {
    // The host starts as a user's shell would start it under "ulimit -f": SIGXFSZ at its default,
    // so that only the host's own start-up keeps the signal from ending it.
    hostSetup = [] { limitFileSizeForProgram(64 * 1024); };
    FormBase* form = drawCompression();
    const QString path = dir.filePath("spring.dxf");
    ASSERT_TRUE(callHost("saveDxf", {path}).value("ok").toBool());
    const QByteArray old = contentsOf(path);
    ASSERT_LT(old.size(), 64 * 1024);

    for (int i = 0; i < 5; ++i)
        click(form, "Command3");
    const QCborMap reply = callHost("saveDxf", {path});
    EXPECT_FALSE(reply.value("ok").toBool());
    const QString error = reply.value("error").toString();
    EXPECT_TRUE(error.contains(path)) << qPrintable(error);
    // The host speaks the language the test program's environment picks for it too.
    const Language before = StringTable::language();
    StringTable::setLanguage(StringTable::languageFor(QLocale::system().uiLanguages()));
    const QString tooLarge = filewrite::reason(EFBIG);
    StringTable::setLanguage(before);
    EXPECT_TRUE(error.endsWith(tooLarge)) << qPrintable(error);
    EXPECT_EQ(contentsOf(path), old);
    EXPECT_EQ(QDir(dir.path()).entryList({"spring.dxf*"}, QDir::Files | QDir::Hidden),
              QStringList{"spring.dxf"});
    EXPECT_EQ(callHost("hello", {}).value("result").toString(), "DrawingHost");
}

TEST_F(HostProcess, ReadOnlyFileIsNotReplacedOverTheSocket) {
    drawCompression();
    const QString path = dir.filePath("kept.dxf");
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("kept");
    }
    ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), 0444), 0);
    const QCborMap reply = callHost("saveDxf", {path});
    EXPECT_FALSE(reply.value("ok").toBool());
    EXPECT_TRUE(reply.value("error").toString().contains(path))
        << qPrintable(reply.value("error").toString());
    EXPECT_EQ(contentsOf(path), "kept");
}

} // namespace
