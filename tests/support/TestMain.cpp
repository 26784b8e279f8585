// Every test program starts here: an offscreen application, message boxes answered by the
// recorder, Simplified Chinese texts, outputs in a temporary folder, no printer.

#include "common/StringTable.h"
#include "platform/Folders.h"
#include "platform/WindowCommands.h"
#include "support/RecordingPrompter.h"
#include "support/RecordingSpreadsheet.h"

#include <QApplication>
#include <QTemporaryDir>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    prompt::install(&RecordingPrompter::instance());
    // No unit test starts an office by accident; the office tests install their own.
    spreadsheet::install(&RecordingSpreadsheet::instance());
    StringTable::setLanguage(Language::ZhCN);
    QTemporaryDir outputs;
    folders::setOutputFolder(outputs.path());
    windowcommands::setPrintSink([](const QImage&) {});
    return RUN_ALL_TESTS();
}
