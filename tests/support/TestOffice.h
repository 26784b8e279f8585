#pragma once
// A real LibreOffice for one test: started headless with a private profile on a pipe of its own,
// put in place of the recorder, and ended however the test ends.

#include "platform/UnoSpreadsheet.h"
#include "support/RecordingSpreadsheet.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <QUrl>

// Options for a headless office on the pipe "<pipeStem>-<this process id>", so that test programs
// running side by side never share an office.
inline OfficeOptions testOfficeOptions(const QTemporaryDir& profile, const QString& pipeStem) {
    OfficeOptions options;
    options.headless = true;
    options.pipeName = QStringLiteral("%1-%2").arg(pipeStem).arg(QCoreApplication::applicationPid());
    options.profileUrl = QUrl::fromLocalFile(profile.path()).toString();
    options.startTimeoutMs = 120000; // a first start on a fresh profile is slow on a small machine
    return options;
}

// Puts the real office in place of the recorder for one test, and ends the office it started
// however the test ends.
struct InstalledOffice {
    explicit InstalledOffice(UnoSpreadsheet* office) : office(office) { spreadsheet::install(office); }
    ~InstalledOffice() {
        office->endStartedOffice();
        spreadsheet::install(&RecordingSpreadsheet::instance());
    }
    UnoSpreadsheet* office;
};
