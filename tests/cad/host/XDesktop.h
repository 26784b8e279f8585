#pragma once
// A fixture for tests that run Helidraw and the drawing host as a user does: on an X server of
// their own (Xvfb) with a window manager (openbox), clicked with xdotool, with the window
// manager's stacking order read back with xprop. Everything it starts runs in a process group
// of its own and is killed when the test ends. Without the tools the test is skipped.

#include <QMap>
#include <QProcess>
#include <QRect>
#include <QString>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <optional>
#include <vector>

class XDesktop : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // A client window as the window manager lists it.
    struct Window {
        QString id;
        qint64 pid = 0;
        QString title;
        bool transient = false; // a dialog of another window
        bool hidden = false;    // minimised
        QRect frame;            // with the frame the window manager draws
    };

    // Starts a program of the build on the display; `env` adds to or replaces the environment,
    // `inChild` runs in the child before the program starts (what it sets lasts across exec).
    qint64 startProgram(const QString& name, const QStringList& args = {},
                        const QMap<QString, QString>& env = {}, std::function<void()> inChild = {});
    bool waitForExit(qint64 pid, int ms);

    // Bottom to top, as the window manager stacks them.
    std::vector<Window> stacking();
    // The first window, bottom to top, that matches, within the time given.
    std::optional<Window> waitForWindow(const std::function<bool(const Window&)>& match, int ms = 5000);
    // Position of the stacked window with this id, -1 when it is not there.
    int stackIndex(const QString& id);
    // True once the condition holds, false when it still does not after the time given.
    bool waitUntil(const std::function<bool()>& condition, int ms);

    // Runs an X tool on the display and gives its output.
    QString tool(const QString& program, const QStringList& args);
    void click(QPoint at);

    // Helidraw's palette, once it shows, and the centre of its button (1 to 7) on the screen.
    std::optional<Window> waitForPalette(qint64 helidraw);
    QPoint paletteButton(const Window& palette, int index);

    QString binary(const QString& name) const;

    QTemporaryDir runtime; // the session's private folder: the host's socket is there
    QString display;
    QMap<QString, QString> commonEnv;

private:
    QProcess* startGroup(const QString& program, const QStringList& args, const QMap<QString, QString>& env,
                         std::function<void()> inChild = {});
    std::vector<std::unique_ptr<QProcess>> processes_;
};
