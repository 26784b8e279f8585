// The host's window: unsaved drawings are never dropped unasked, a failed save keeps the
// drawing marked as changed, read-only files are replaced only when the user agrees, the Save
// As dialog, the window and its dialogs stay clear of the palette, and view calls reach the
// view.

#include "cad/host/DrawingView.h"
#include "cad/host/HostWindow.h"
#include "cad/host/ScreenPlacement.h"
#include "cad/protocol/HostMessages.h"
#include "support/FileSizeLimit.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {

using namespace host;

class HostWindowTest : public ::testing::Test {
protected:
    DrawingModel model;
    HostCalls calls{model};
    HostWindow window{model, calls};
    int asked = 0;
    QStringList questions;
    QStringList dialogFolders;

    void answer(int button) {
        window.runMessage = [this, button](QMessageBox& box) {
            ++asked;
            questions.append(box.text());
            return button;
        };
    }
    // The user types the name into the Save As dialog and accepts it; empty: cancels it.
    void choose(const QString& name) {
        window.runDialog = [this, name](QFileDialog& dialog) {
            dialogFolders.append(dialog.directory().absolutePath());
            dialog.selectFile(name);
            return !name.isEmpty();
        };
    }
};

QByteArray contentsOf(const QString& path) {
    QFile f(path);
    f.open(QIODevice::ReadOnly);
    return f.readAll();
}

TEST_F(HostWindowTest, CancelKeepsTheDrawingAndTheWindow) {
    model.addLine({0, 0, 0}, {1, 0, 0});
    answer(QMessageBox::Cancel);
    QCloseEvent close;
    QCoreApplication::sendEvent(&window, &close);
    EXPECT_FALSE(close.isAccepted());
    window.newDrawing();
    EXPECT_EQ(model.order().size(), 1u);
    EXPECT_EQ(asked, 2);
}

TEST_F(HostWindowTest, DiscardStartsANewDrawing) {
    model.addLine({0, 0, 0}, {1, 0, 0});
    model.addUcs({0, 0, 0}, {8, 0, 0}, {0, 0, 8}, "test");
    answer(QMessageBox::Discard);
    window.newDrawing();
    EXPECT_TRUE(model.order().empty());
    EXPECT_TRUE(model.ucsTable().empty());
    EXPECT_EQ(model.activeUcs(), 0);
    // An unchanged drawing goes without a question.
    QCloseEvent close;
    QCoreApplication::sendEvent(&window, &close);
    EXPECT_TRUE(close.isAccepted());
    EXPECT_EQ(asked, 1);
}

TEST_F(HostWindowTest, SaveWritesTheFileBeforeTheDrawingGoes) {
    QTemporaryDir dir;
    model.addLine({0, 0, 0}, {1, 0, 0});
    answer(QMessageBox::Save);
    choose(dir.filePath("kept.dxf"));
    window.newDrawing();
    EXPECT_TRUE(QFile::exists(dir.filePath("kept.dxf")));
    EXPECT_TRUE(model.order().empty());
    // A save that is cancelled keeps the drawing.
    model.addLine({0, 0, 0}, {1, 0, 0});
    choose(QString());
    window.newDrawing();
    EXPECT_EQ(model.order().size(), 1u);
}

TEST_F(HostWindowTest, SaveAsAddsTheDxfSuffixAndStartsInDocumentsThenWhereLastSaved) {
    QTemporaryDir home, elsewhere;
    ASSERT_TRUE(QDir(home.path()).mkdir("Documents"));
    const QByteArray oldHome = qgetenv("HOME"), oldConfig = qgetenv("XDG_CONFIG_HOME");
    qputenv("HOME", QFile::encodeName(home.path()));
    qunsetenv("XDG_CONFIG_HOME");
    const struct {
        const char *typed, *saved;
    } rows[] = {{"plain", "plain.dxf"}, {"named.dxf", "named.dxf"}, {"notes.txt", "notes.txt"}};
    for (const auto& row : rows) {
        model.addLine({0, 0, 0}, {1, 0, 0});
        choose(QDir(elsewhere.path()).filePath(QString::fromLatin1(row.typed)));
        EXPECT_TRUE(window.saveAs()) << row.typed;
        EXPECT_TRUE(QFile::exists(QDir(elsewhere.path()).filePath(QString::fromLatin1(row.saved))))
            << row.saved;
    }
    qputenv("HOME", oldHome);
    if (!oldConfig.isEmpty())
        qputenv("XDG_CONFIG_HOME", oldConfig);
    EXPECT_EQ(dialogFolders,
              (QStringList{QDir(home.path()).filePath("Documents"), elsewhere.path(), elsewhere.path()}));
}

TEST_F(HostWindowTest, SaveCutShortKeepsTheOldFileAndTheDrawingChanged) {
    QTemporaryDir dir;
    const QString path = dir.filePath("spring.dxf");
    model.addLine({0, 0, 0}, {1, 0, 0});
    choose(path);
    ASSERT_TRUE(window.saveAs());
    const QByteArray old = contentsOf(path);
    std::vector<Vec3> points;
    for (int i = 0; i < 3000; ++i)
        points.push_back({std::cos(i / 10.0), std::sin(i / 10.0), i / 100.0});
    model.addSpline(points, {}, {});
    answer(QMessageBox::Ok);

    bool written;
    {
        const FileSizeLimit fullDisk(64 * 1024);
        written = window.saveAs();
    }

    EXPECT_FALSE(written);
    EXPECT_TRUE(model.isModified());
    EXPECT_EQ(contentsOf(path), old);
    ASSERT_EQ(questions.size(), 1);
    EXPECT_TRUE(questions[0].contains(path)) << qPrintable(questions[0]);
}

TEST_F(HostWindowTest, ReadOnlyFileIsReplacedOnlyWhenTheUserAgrees) {
    QTemporaryDir dir;
    const QString path = dir.filePath("kept.dxf");
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("kept");
    }
    ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), 0444), 0);
    model.addLine({0, 0, 0}, {1, 0, 0});
    choose(path);

    answer(QMessageBox::No);
    EXPECT_FALSE(window.saveAs());
    EXPECT_EQ(contentsOf(path), "kept");
    EXPECT_TRUE(model.isModified());

    answer(QMessageBox::Yes);
    EXPECT_TRUE(window.saveAs());
    EXPECT_TRUE(contentsOf(path).endsWith("EOF\n"));
    EXPECT_FALSE(model.isModified());
    struct stat s {};
    ::stat(QFile::encodeName(path).constData(), &s);
    EXPECT_EQ(s.st_mode & 0777, 0444u);
    ASSERT_EQ(questions.size(), 2);
    EXPECT_TRUE(questions[1].contains(path));
}

TEST_F(HostWindowTest, WindowAndDialogsStayClearOfThePalette) {
    const QRect area = paletteFreeArea(window.screen());
    ASSERT_LT(area.top(), area.bottom());
    EXPECT_TRUE(area.contains(window.frameGeometry())) << window.frameGeometry().height();
    calls.handle(hostproto::request("setWindowState", {3}));
    EXPECT_TRUE(area.contains(window.frameGeometry()));

    // A small window dragged to the top edge: its dialogs still open below the palette.
    window.resize(400, 60);
    window.move(area.left(), 0);
    window.show();
    const auto expectClear = [&](QWidget& dialog) {
        dialog.show();
        EXPECT_GE(dialog.frameGeometry().top(), area.top()) << qPrintable(dialog.objectName());
        EXPECT_TRUE(area.contains(dialog.frameGeometry()));
        dialog.hide();
    };
    window.runMessage = [&](QMessageBox& box) {
        expectClear(box);
        return int(QMessageBox::Cancel);
    };
    window.runDialog = [&](QFileDialog& dialog) {
        expectClear(dialog);
        return false;
    };
    model.addLine({0, 0, 0}, {1, 0, 0});
    window.newDrawing();
    window.saveAs();
}

TEST_F(HostWindowTest, ViewCallsSetTheDirectionAndShowTheWholeDrawing) {
    window.resize(800, 600);
    model.addLine({-50, -50, 0}, {50, 50, 100});
    calls.handle(hostproto::request("setViewDirection", QCborArray{hostproto::Point3{-1, -1, 1}.toCbor()}));
    calls.handle(hostproto::request("applyViewport", {}));
    calls.handle(hostproto::request("zoomExtents", {}));
    DrawingView* view = window.view();
    const Vec3 d = view->direction();
    EXPECT_NEAR(d.x, -1 / std::sqrt(3.0), 1e-12);
    EXPECT_NEAR(d.z, 1 / std::sqrt(3.0), 1e-12);
    for (const Vec3& p : {Vec3{-50, -50, 0}, Vec3{50, 50, 100}}) {
        const QPointF s = view->project(p);
        EXPECT_TRUE(view->rect().contains(s.toPoint())) << s.x() << " " << s.y();
    }
    // A picture can be painted offscreen.
    EXPECT_FALSE(view->grab().isNull());
}

} // namespace
