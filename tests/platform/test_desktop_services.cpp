// The desktop services layer, on a backend that records instead of opening or starting.

#include "platform/DesktopServices.h"

#include <QDir>
#include <QFile>
#include <QMap>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class RecordingDesktop : public desktop::Backend {
public:
    QMap<QString, QString> installed;
    QStringList lookedUp;
    QStringList started;
    QList<QUrl> opened;

    bool openUrl(const QUrl& url) override {
        opened.append(url);
        return true;
    }
    QString findProgram(const QString& name) override {
        lookedUp.append(name);
        return installed.value(name);
    }
    bool startDetached(const QString& path) override {
        started.append(path);
        return true;
    }
};

class DesktopServices : public ::testing::Test {
protected:
    RecordingDesktop desk;
    void SetUp() override { desktop::setBackend(&desk); }
    void TearDown() override { desktop::setBackend(nullptr); }
};

TEST_F(DesktopServices, TheFirstInstalledProgramOfTheListIsChosen) {
    desk.installed = {{"b", "/opt/b"}, {"c", "/usr/bin/c"}};
    EXPECT_EQ(desktop::findFirstInstalled({"a", "b", "c"}), QStringLiteral("/opt/b"));
    EXPECT_EQ(desk.lookedUp, (QStringList{"a", "b"}));
    EXPECT_EQ(desktop::findFirstInstalled({"x", "y"}), QString());
}

TEST_F(DesktopServices, OnlyProgramsGivenByAnAbsolutePathAreStarted) {
    EXPECT_TRUE(desktop::startProgram(QStringLiteral("/usr/bin/c")));
    EXPECT_FALSE(desktop::startProgram(QStringLiteral("c")));
    EXPECT_FALSE(desktop::startProgram(QString()));
    EXPECT_EQ(desk.started, QStringList{QStringLiteral("/usr/bin/c")});
}

TEST_F(DesktopServices, MailAddressesBecomeMailtoLinks) {
    EXPECT_TRUE(desktop::composeMail());
    EXPECT_TRUE(desktop::composeMail(QStringLiteral("support@example.com")));
    ASSERT_EQ(desk.opened.size(), 2);
    EXPECT_EQ(desk.opened[0].toString(), QStringLiteral("mailto:"));
    EXPECT_EQ(desk.opened[1].toString(), QStringLiteral("mailto:support@example.com"));
}

TEST_F(DesktopServices, DocumentsMustExistBeforeTheDesktopIsAsked) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("manual page.html"));
    EXPECT_FALSE(desktop::openDocument(path));
    EXPECT_FALSE(desktop::openDocument(dir.path())); // a folder is no document
    EXPECT_TRUE(desk.opened.isEmpty());

    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.close();
    EXPECT_TRUE(desktop::openDocument(path));
    ASSERT_EQ(desk.opened.size(), 1);
    EXPECT_TRUE(desk.opened[0].isLocalFile());
    EXPECT_EQ(desk.opened[0].toLocalFile(), path);
}

} // namespace
