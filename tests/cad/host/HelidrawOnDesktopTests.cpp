// Helidraw and the drawing host on a desktop with a window manager, driven as a user drives
// them: the palette's quit ends the program on one click, the host's question is never hidden
// under Helidraw's input windows, help that cannot be opened is reported, and on a small scaled
// screen the host's dialogs stay below the palette.

#include "HostProcess.h"
#include "XDesktop.h"
#include "cad/protocol/HostMessages.h"

#include <QCborArray>
#include <QDir>
#include <QFile>
#include <QThread>

namespace {

class HelidrawOnDesktop : public XDesktop {
protected:
    // One call to the host on the session's socket, as Helidraw makes it.
    QCborMap callHost(const QString& call, const QCborArray& args) {
        return callHostOn(QDir(runtime.path()).filePath(QStringLiteral("helidraw-host.socket")), call, args);
    }

    // Helidraw with its palette shown and the compression window opened from it.
    struct Helidraw {
        qint64 pid = 0;
        Window palette, input;
    };
    std::optional<Helidraw> startWithInputWindow(const QMap<QString, QString>& env = {}) {
        Helidraw h;
        h.pid = startProgram(QStringLiteral("Helidraw"), {}, env);
        const auto palette = waitForPalette(h.pid);
        if (!palette)
            return std::nullopt;
        h.palette = *palette;
        click(paletteButton(h.palette, 1));
        const QString paletteId = h.palette.id;
        const auto input = waitForWindow(
            [&](const Window& w) { return w.pid == h.pid && w.id != paletteId && !w.transient; });
        if (!input)
            return std::nullopt;
        h.input = *input;
        return h;
    }

    // The host with a changed drawing, and its question whether to save it, opened by closing
    // its window.
    std::optional<Window> hostAsking(qint64 host) {
        const auto window = waitForWindow([host](const Window& w) { return w.pid == host; });
        if (!window || !callHost(QStringLiteral("addLine"), {QCborArray{0, 0, 0}, QCborArray{1, 0, 0}})
                            .value(QStringLiteral("ok"))
                            .toBool())
            return std::nullopt;
        tool(QStringLiteral("wmctrl"), {QStringLiteral("-i"), QStringLiteral("-c"), window->id});
        return waitForWindow([host](const Window& w) { return w.pid == host && w.transient; });
    }
};

TEST_F(HelidrawOnDesktop, QuitEndsTheProgramOnOneClickWithAnInputWindowMinimised) {
    const auto helidraw = startWithInputWindow();
    ASSERT_TRUE(helidraw);
    tool(QStringLiteral("xdotool"), {QStringLiteral("windowminimize"), helidraw->input.id});
    const QString inputId = helidraw->input.id;
    ASSERT_TRUE(waitForWindow([&](const Window& w) { return w.id == inputId && w.hidden; }))
        << "the input window was not minimised";
    click(paletteButton(helidraw->palette, 7));
    EXPECT_TRUE(waitForExit(helidraw->pid, 3000)) << "Helidraw still runs after one click on quit";
}

TEST_F(HelidrawOnDesktop, TheHostsQuestionStaysAboveTheInputWindows) {
    const qint64 host = startProgram(QStringLiteral("DrawingHost"));
    const auto helidraw = startWithInputWindow();
    ASSERT_TRUE(helidraw);
    const auto question = hostAsking(host);
    ASSERT_TRUE(question) << "the host asked nothing";
    EXPECT_GT(stackIndex(question->id), stackIndex(helidraw->input.id)) << "the question opened hidden";

    // The user brings the input window forward from the palette and draws: the host refuses
    // while it asks, and brings its question forward again.
    click(paletteButton(helidraw->palette, 1));
    const auto questionAbove = [&] { return stackIndex(question->id) > stackIndex(helidraw->input.id); };
    ASSERT_TRUE(waitUntil([&] { return !questionAbove(); }, 3000)) << "the input window did not come forward";
    const auto refused = callHost(QStringLiteral("addLine"), {QCborArray{0, 0, 0}, QCborArray{2, 0, 0}});
    EXPECT_FALSE(refused.value(QStringLiteral("ok")).toBool());
    waitUntil(questionAbove, 3000);
    EXPECT_GT(stackIndex(question->id), stackIndex(helidraw->input.id)) << "the question stayed hidden";
}

// What the message says is checked in the palette's own tests; here, that it shows at all.
TEST_F(HelidrawOnDesktop, HelpIsReportedWhenTheDesktopsOpenerFails) {
    const struct {
        const char* opener;
        bool reported;
    } cases[] = {{"exit 3", true}, {"exit 4", true}, {"exit 0", false}};
    QDir(runtime.path()).mkdir(QStringLiteral("bin"));
    for (const auto& c : cases) {
        // The desktop's opener as xdg-open ends: 3 when no program takes the document, 4 when
        // the program failed.
        QFile opener(runtime.filePath(QStringLiteral("bin/xdg-open")));
        ASSERT_TRUE(opener.open(QIODevice::WriteOnly | QIODevice::Truncate));
        opener.write(QByteArray("#!/bin/sh\n") + c.opener + "\n");
        opener.close();
        opener.setPermissions(QFile::ReadOwner | QFile::ExeOwner);

        const qint64 pid = startProgram(QStringLiteral("Helidraw"), {},
                                        {{QStringLiteral("PATH"), runtime.filePath(QStringLiteral("bin")) +
                                                                      QStringLiteral(":/usr/bin:/bin")}});
        const auto palette = waitForPalette(pid);
        ASSERT_TRUE(palette) << c.opener;
        click(paletteButton(*palette, 6));
        const auto box = waitForWindow([&](const Window& w) { return w.pid == pid && w.transient; },
                                       c.reported ? 5000 : 1500);
        EXPECT_EQ(bool(box), c.reported) << c.opener;
        if (box) {
            EXPECT_EQ(box->title, QStringLiteral("Helidraw")) << c.opener;
        }
        click(paletteButton(*palette, 7));
        if (!box) {
            EXPECT_TRUE(waitForExit(pid, 3000)) << c.opener;
        }
    }
}

TEST_F(HelidrawOnDesktop, SaveAsOnASmallScaledScreenStaysBelowThePalette) {
    const QMap<QString, QString> scaled{{QStringLiteral("QT_SCALE_FACTOR"), QStringLiteral("1.5")}};
    const qint64 host = startProgram(QStringLiteral("DrawingHost"), {}, scaled);
    const qint64 helidraw = startProgram(QStringLiteral("Helidraw"), {}, scaled);
    const auto palette = waitForPalette(helidraw);
    ASSERT_TRUE(palette);
    const auto question = hostAsking(host);
    ASSERT_TRUE(question);
    // Save: the question's default answer opens the Save As dialog.
    tool(QStringLiteral("xdotool"),
         {QStringLiteral("windowactivate"), QStringLiteral("--sync"), question->id});
    tool(QStringLiteral("xdotool"),
         {QStringLiteral("key"), QStringLiteral("--window"), question->id, QStringLiteral("Return")});
    const QString questionId = question->id;
    const auto dialog =
        waitForWindow([&](const Window& w) { return w.pid == host && w.transient && w.id != questionId; });
    ASSERT_TRUE(dialog) << "no Save As dialog";
    // The window manager has framed and placed it by now.
    QThread::msleep(500);
    const auto placed = waitForWindow([&](const Window& w) { return w.id == dialog->id; });
    ASSERT_TRUE(placed);
    EXPECT_GT(placed->frame.top(), palette->frame.bottom())
        << "dialog frame " << placed->frame.y() << "+" << placed->frame.height() << ", palette to "
        << palette->frame.bottom();
    EXPECT_TRUE(QRect(0, 0, 1280, 720).contains(placed->frame));
}

} // namespace
