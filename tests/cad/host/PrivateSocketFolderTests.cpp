// The host's socket folder made first by someone else (another user's folder, or a link):
// DrawingHost started without a socket of its own exits naming the folder and listens nowhere,
// and Helidraw neither connects to a listener planted there nor starts a host for it.

#include "cad/SocketCadHost.h"
#include "support/PlantedFolders.h"

#include <QCoreApplication>
#include <QDir>
#include <QLocalServer>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class PlantedSocketFolder : public ::testing::TestWithParam<PlantedFolderCase> {
protected:
    void SetUp() override {
        ASSERT_TRUE(scratch.isValid());
        ASSERT_TRUE(QDir().mkpath(cache));
        const QString skip = plantFolder(GetParam().kind, planted);
        if (!skip.isEmpty())
            GTEST_SKIP() << qPrintable(skip);
    }

    static QString hostProgram() {
        return QCoreApplication::applicationDirPath() + QStringLiteral("/DrawingHost");
    }

    QTemporaryDir scratch;
    const QString cache = scratch.filePath("cache");
    const QString planted = scratch.filePath("cache/helidraw");
};

TEST_P(PlantedSocketFolder, DrawingHostExitsNamingTheFolderAndListensNowhere) {
    const QString before = folderState(planted);
    QProcess host;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("HOME", scratch.path());
    env.insert("XDG_CACHE_HOME", cache);
    env.remove("XDG_RUNTIME_DIR");
    host.setProcessEnvironment(env);
    host.start(hostProgram(), {});
    ASSERT_TRUE(host.waitForStarted(5000));
    const bool ended = host.waitForFinished(10000);
    if (!ended) {
        host.kill();
        host.waitForFinished(5000);
    }
    EXPECT_TRUE(ended) << "the host kept running: " << qPrintable(folderState(planted));
    EXPECT_EQ(host.exitStatus(), QProcess::NormalExit);
    EXPECT_NE(host.exitCode(), 0);
    const QString said = QString::fromUtf8(host.readAllStandardError());
    EXPECT_TRUE(said.contains(planted)) << qPrintable(said);
    EXPECT_EQ(folderState(planted), before);
}

TEST_P(PlantedSocketFolder, HelidrawNeitherConnectsThereNorStartsAHost) {
    QLocalServer planter;
    ASSERT_TRUE(planter.listen(planted + QStringLiteral("/helidraw-host.socket")))
        << qPrintable(planter.errorString());
    CacheFolderInTest inTest(cache);
    int launches = 0;
    cad::SocketCadHost host({}, hostProgram(), [&](const QString&, const QStringList&, const QString&) {
        ++launches;
        return false;
    });
    QString error;
    try {
        host.attach();
    } catch (const cad::HostError& e) {
        error = e.text();
    }
    EXPECT_TRUE(error.contains(planted)) << qPrintable(error);
    EXPECT_EQ(launches, 0);
    EXPECT_FALSE(planter.waitForNewConnection(100));
}

INSTANTIATE_TEST_SUITE_P(Planted, PlantedSocketFolder, ::testing::ValuesIn(refusedFolderCases()),
                         [](const auto& info) { return caseTestName(info.param.name); });

} // namespace
