#pragma once
// A drawing host that records every call with its values instead of drawing. Entity calls
// return fresh ids, angleFromXAxis answers as the real host does, and the script can make
// attaching fail or refuse the n-th call of a name.

#include "cad/CadHost.h"
#include "cad/HostFactory.h"

#include <QList>
#include <vector>

struct RecordedCall {
    QString call;
    QCborArray args;
};

struct HostScript {
    QList<RecordedCall> calls;
    QString attachError;      // non-empty: attaching fails with this description
    QString refuseCall;       // the call to refuse ...
    int refuseOccurrence = 0; // ... at its n-th occurrence (1-based)
    int hostsMade = 0;

    int count(const QString& call) const;
    QList<RecordedCall> named(const QString& call) const;
    // Calls after the connection's preparing calls.
    QList<RecordedCall> drawingCalls() const;
};

class RecordingHost : public cad::CadHost {
public:
    explicit RecordingHost(HostScript* script) : script_(script) {}
    void attach() override;

protected:
    QCborValue invoke(const QString& call, const QCborArray& args) override;

private:
    HostScript* script_;
    qint64 nextId_ = 1;
};

// Installs a factory whose hosts all record into the script; removed by the destructor.
class RecordingHostScope {
public:
    explicit RecordingHostScope(HostScript& script);
    ~RecordingHostScope();
};

hostproto::Point3 pointArg(const RecordedCall& c, int index);
// Point i of a recorded addSpline.
hostproto::Point3 splinePoint(const RecordedCall& c, int i);
int splinePointCount(const RecordedCall& c);
