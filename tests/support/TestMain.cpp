// Every test program starts here, as the programs do (a file-size limit fails a write rather
// than ending the process): an offscreen application, message boxes answered by the
// recorder, Simplified Chinese texts, outputs in a temporary folder, no printer, user data in a
// temporary folder, a private runtime folder, and no power switch or drive tray that a test
// could reach.

#include "common/StartUp.h"
#include "common/StringTable.h"
#include "platform/CdTray.h"
#include "platform/Database.h"
#include "platform/Folders.h"
#include "platform/PowerService.h"
#include "platform/WindowCommands.h"
#include "support/RecordingPrompter.h"
#include "support/RecordingSpreadsheet.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

// Refuses every request: a test that opens a power window by accident switches nothing off.
class NoPower : public PowerService {
public:
    void request(Action, QObject* context, Done done) override {
        QTimer::singleShot(0, context, [done = std::move(done)] { done(QStringLiteral("not in tests")); });
    }
};

class NoTray : public CdTray {
public:
    void openTray() override {}
    void closeTray() override {}
};

} // namespace

int main(int argc, char** argv) {
    startup::prepareProcess();
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // The single-copy lock of the main window lives in the runtime folder: test programs that
    // run side by side, or beside a running copy of the program, must not refuse each other.
    QTemporaryDir runtime;
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime.path()));
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    prompt::install(&RecordingPrompter::instance());
    // No unit test starts an office by accident; the office tests install their own.
    spreadsheet::install(&RecordingSpreadsheet::instance());
    StringTable::setLanguage(Language::ZhCN);
    QTemporaryDir outputs;
    folders::setOutputFolder(outputs.path());
    windowcommands::setPrintSink([](const QImage&) {});
    QTemporaryDir userData;
    Database::setUserFolder(userData.path());
    NoPower noPower;
    power::install(&noPower);
    NoTray noTray;
    cdtray::install(&noTray);
    return RUN_ALL_TESTS();
}
