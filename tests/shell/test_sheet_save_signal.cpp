// The calculator ended by a signal (the session ends, the terminal closes) while it writes a
// drawing sheet's bitmap, driven on a desktop as a user drives it: the main window's popup menu
// opens the sheet, a click on its picture saves over an older bitmap. Whenever the program ends,
// the user's Pictures folder holds the old bitmap or the complete new one, and nothing else.

#include "../cad/host/XDesktop.h"
#include "common/StringTable.h"
#include "common/ui/FormRegistry.h"
#include "shell/DrawingSheet.h"
#include "shell/SheetBitmapWriter.h"
#include "support/SaveFaults.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QThread>
#include <QtEndian>
#include <csignal>

namespace {

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A bitmap as long as its header says, to the last byte.
bool completeBitmap(const QByteArray& file) {
    return file.size() > 54 && file.startsWith("BM") &&
           qFromLittleEndian<quint32>(file.constData() + 2) == quint32(file.size());
}

struct Ending {
    const char* name;
    int signal;
    bool namelessFilesRefused; // the save falls back to a named temporary file
};

class SheetSaveEndedBySignal : public XDesktop, public ::testing::WithParamInterface<Ending> {
protected:
    // What the program shows in English (its language under the C locale), from this process.
    struct Expected {
        QString mainTitle;
        QString fileName; // of the sheet's bitmap under its design-time part number
        QPoint pictureAt; // a point of the picture outside every field, in the sheet
    };
    static Expected expected() {
        const Language before = StringTable::language();
        StringTable::setLanguage(Language::EnUS);
        Expected e;
        e.mainTitle = StringTable::text(1001);
        FormRegistry::show(QStringLiteral("Form63"));
        if (auto* sheet = qobject_cast<DrawingSheet*>(FormRegistry::find(QStringLiteral("Form63")))) {
            e.fileName = SheetBitmapWriter::fileNameFor(sheet->text(QStringLiteral("Text1_1")));
            QPoint inPicture(4, 4);
            while (sheet->picture()->childAt(inPicture) && inPicture.x() < 100)
                inPicture += QPoint(1, 1);
            e.pictureAt = sheet->picture()->mapTo(sheet, inPicture);
            delete sheet;
        }
        StringTable::setLanguage(before);
        return e;
    }

    QPoint clientTopLeft(const QString& id) {
        const QString info = tool(QStringLiteral("xwininfo"), {QStringLiteral("-id"), id});
        auto number = [&](const char* label) {
            return QRegularExpression(QString::fromLatin1(label) + QStringLiteral(":\\s+(-?\\d+)"))
                .match(info)
                .captured(1)
                .toInt();
        };
        return {number("Absolute upper-left X"), number("Absolute upper-left Y")};
    }

    // The program's windows on the screen, a popup menu among them.
    int shownWindows(qint64 pid) {
        return int(tool(QStringLiteral("xdotool"), {QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                                                    QStringLiteral("--pid"), QString::number(pid), QString()})
                       .split(u'\n', Qt::SkipEmptyParts)
                       .size());
    }

    void key(const QString& name) { tool(QStringLiteral("xdotool"), {QStringLiteral("key"), name}); }
};

TEST_P(SheetSaveEndedBySignal, PicturesFolderHoldsTheOldOrTheNewBitmapAndNothingElse) {
    const Expected e = expected();
    ASSERT_FALSE(e.fileName.isEmpty());
    const Ending& c = GetParam();
    {
        QTemporaryDir home;
        ASSERT_TRUE(home.isValid());
        QDir(home.path()).mkpath(QStringLiteral("Pictures"));
        QDir(home.path()).mkpath(QStringLiteral("config"));
        {
            QFile dirs(home.filePath(QStringLiteral("config/user-dirs.dirs")));
            ASSERT_TRUE(dirs.open(QIODevice::WriteOnly));
            dirs.write("XDG_PICTURES_DIR=\"$HOME/Pictures\"\n");
        }
        const QString pictures = home.filePath(QStringLiteral("Pictures"));
        const QString target = QDir(pictures).filePath(e.fileName);
        {
            QFile old(target);
            ASSERT_TRUE(old.open(QIODevice::WriteOnly));
            old.write("kept");
        }

        const QMap<QString, QString> env{
            {QStringLiteral("HOME"), home.path()},
            {QStringLiteral("XDG_CONFIG_HOME"), home.filePath(QStringLiteral("config"))},
            {QStringLiteral("XDG_RUNTIME_DIR"), home.path()}};
        const qint64 pid =
            startProgram(QStringLiteral("SpireltaSpringV2024"), {}, env,
                         c.namelessFilesRefused ? std::function<void()>([] { refuseNamelessFiles(); })
                                                : std::function<void()>());
        const auto main = waitForWindow(
            [&](const Window& w) { return w.pid == pid && w.title == e.mainTitle && !w.transient; }, 20000);
        ASSERT_TRUE(main) << "the main window did not open";
        if (c.namelessFilesRefused &&
            !readAll(QStringLiteral("/proc/%1/status").arg(pid)).contains("Seccomp:\t2")) {
            GTEST_SKIP() << "nameless files could not be refused to the program";
        }

        // The popup menu of the main window's background, its ninth command.
        // The splash goes once the main window is up; the menu is counted on what stays.
        QThread::msleep(500);
        const QPoint mainAt = clientTopLeft(main->id);
        const int before = shownWindows(pid);
        tool(QStringLiteral("xdotool"),
             {QStringLiteral("mousemove"), QStringLiteral("--sync"), QString::number(mainAt.x() + 500),
              QString::number(mainAt.y() + 300), QStringLiteral("click"), QStringLiteral("3")});
        ASSERT_TRUE(waitUntil([&] { return shownWindows(pid) > before; }, 5000)) << "no popup menu";
        QThread::msleep(200);
        for (int i = 0; i < 9; ++i)
            key(QStringLiteral("Down"));
        key(QStringLiteral("Return"));
        const QString mainId = main->id;
        const auto sheet = waitForWindow(
            [&](const Window& w) { return w.pid == pid && !w.transient && w.id != mainId; }, 10000);
        ASSERT_TRUE(sheet) << "the drawing sheet did not open";
        QThread::msleep(300);
        click(clientTopLeft(sheet->id) + e.pictureAt);
        const auto question = waitForWindow([&](const Window& w) { return w.pid == pid && w.transient; });
        ASSERT_TRUE(question) << "no question whether to replace the old bitmap";
        EXPECT_EQ(readAll(target), "kept");

        // Yes, and the save is caught while its file is open.
        tool(QStringLiteral("xdotool"),
             {QStringLiteral("windowactivate"), QStringLiteral("--sync"), question->id});
        QProcess yes;
        QProcessEnvironment xenv = QProcessEnvironment::systemEnvironment();
        xenv.insert(QStringLiteral("DISPLAY"), display);
        yes.setProcessEnvironment(xenv);
        yes.start(QStringLiteral("xdotool"), {QStringLiteral("key"), QStringLiteral("--window"), question->id,
                                              QStringLiteral("Return")});
        const bool caught = stopWhileWritingIn(pid_t(pid), pictures, 10000);
        yes.waitForFinished(5000);
        ASSERT_TRUE(caught) << "the save was not caught under way";
        ::kill(pid_t(pid), c.signal);
        ::kill(pid_t(pid), SIGCONT);
        ASSERT_TRUE(waitForExit(pid, 5000)) << "the program did not end";

        const auto all = QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System;
        EXPECT_EQ(QDir(pictures).entryList(all), QStringList{e.fileName});
        const QByteArray kept = readAll(target);
        EXPECT_TRUE(kept == "kept" || completeBitmap(kept)) << kept.size() << " bytes";
    }
}

// Each on a desktop of its own, as each is a session of its own.
INSTANTIATE_TEST_SUITE_P(Endings, SheetSaveEndedBySignal,
                         ::testing::Values(Ending{"SIGTERM", SIGTERM, false}, Ending{"SIGHUP", SIGHUP, false},
                                           Ending{"SIGTERMWithoutNamelessFiles", SIGTERM, true}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
