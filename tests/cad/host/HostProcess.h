#pragma once
// A fixture for tests that draw through a real DrawingHost process: Helidraw's windows start
// it offscreen on a socket in a temporary folder, and the test reads back the DXF it saves.

#include "DxfReader.h"
#include "support/FormTest.h"
#include "support/WindowCases.h"

#include <QCborArray>
#include <QCborMap>
#include <QProcess>
#include <QTemporaryDir>
#include <functional>
#include <memory>
#include <vector>

// A text of the host in the language it picks from the environment it inherits from the test.
QString inHostLanguage(const char* zhCN, const char* zhTW, const char* en);

// One call to the host listening on the socket, as Helidraw makes it; an empty map when the host
// cannot be reached or gives no well-formed reply within the time.
QCborMap callHostOn(const QString& socketName, const QString& call, const QCborArray& args,
                    int timeoutMs = 10000);

namespace host {
// True when a host answers a hello on that name within the time.
bool hostAnswers(const QString& name, int timeoutMs = 1000);
} // namespace host

class HostProcess : public FormTest {
protected:
    void SetUp() override;
    void TearDown() override;

    // Started through a handle of the test, so that the test can stop it.
    bool start(const QString& program, const QStringList& args, const QString& folder);
    QCborMap callHost(const QString& call, const QCborArray& args);
    DxfContents saved();
    FormBase* drawCompression();
    // A host with nothing drawn, listening when this returns true.
    bool startIdleHost();

    QTemporaryDir dir;
    QString socketName;
    QString program;
    int launches = 0;
    std::vector<std::unique_ptr<QProcess>> processes;
    // Runs in the host's process before it starts (limits, signals).
    std::function<void()> hostSetup;
};
