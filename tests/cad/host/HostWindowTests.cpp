// The host's window: unsaved drawings are never dropped unasked, the view fits the drawing,
// and view calls reach the view.

#include "cad/host/DrawingView.h"
#include "cad/host/HostWindow.h"
#include "cad/protocol/HostMessages.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFile>
#include <QMessageBox>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using namespace host;

class HostWindowTest : public ::testing::Test {
protected:
    DrawingModel model;
    HostCalls calls{model};
    HostWindow window{model, calls};
    int asked = 0;

    void answer(int button) {
        window.askSave = [this, button] {
            ++asked;
            return button;
        };
    }
};

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
    window.chooseFile = [&] { return dir.filePath("kept.dxf"); };
    window.newDrawing();
    EXPECT_TRUE(QFile::exists(dir.filePath("kept.dxf")));
    EXPECT_TRUE(model.order().empty());
    // A save that is cancelled keeps the drawing.
    model.addLine({0, 0, 0}, {1, 0, 0});
    window.chooseFile = [] { return QString(); };
    window.newDrawing();
    EXPECT_EQ(model.order().size(), 1u);
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
