#pragma once
// Turns the messages of Helidraw into changes of the drawing. Calls that concern the window
// (visible, maximised, view applied, whole drawing shown) go to hooks that the window sets;
// without a window they do nothing.

#include "cad/host/DrawingModel.h"

#include <QCborArray>
#include <QCborMap>
#include <QCborValue>
#include <functional>

namespace host {

class HostCalls {
public:
    explicit HostCalls(DrawingModel& model) : model_(model) {}

    // The reply to one request: {ok, result} or {ok: false, error}.
    QCborMap handle(const QCborMap& request);

    std::function<void(bool)> onSetVisible;
    std::function<void(int)> onSetWindowState;
    std::function<void()> onApplyViewport;
    std::function<void()> onZoomExtents;
    // Saving is for tests and the bench: returns an error text, empty on success.
    std::function<QString(const QString&)> onSaveDxf;
    // Told when a call is refused because the window is asking the user (see Asking), so that
    // the question comes where the user, who is trying to draw, sees it.
    std::function<void()> onRefusedWhileAsking;

    // Held while the window asks the user whether the drawing may go: calls are refused then.
    class Asking {
    public:
        explicit Asking(HostCalls& calls) : calls_(calls), was_(calls.asking_) { calls_.asking_ = true; }
        ~Asking() { calls_.asking_ = was_; }
        Asking(const Asking&) = delete;
        Asking& operator=(const Asking&) = delete;

    private:
        HostCalls& calls_;
        bool was_;
    };

private:
    QCborValue call(const QString& name, const QCborArray& args);

    DrawingModel& model_;
    bool asking_ = false;
};

} // namespace host
