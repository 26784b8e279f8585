// The palette: one window per button, restoring a minimised one, dragging by its own surface,
// the help page, and the quit button.

#include "CadFormTest.h"
#include "cad/CadPalette.h"
#include "platform/DesktopServices.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QScreen>
#include <QStyle>
#include <QTemporaryDir>
#include <QToolBar>
#include <QToolButton>
#include <optional>

namespace {

class PaletteTest : public CadFormTest {
protected:
    void SetUp() override {
        CadFormTest::SetUp();
        palette = open<CadPalette>("CadPalette");
        ASSERT_NE(palette, nullptr);
        opened = palette->geometry();
        palette->move(300, 200);
    }
    void TearDown() override {
        CadPalette::setHelpFile({});
        CadPalette::setQuitAction({});
        CadFormTest::TearDown();
    }

    // On the palette's own strip below the toolbar.
    QPoint onStrip() const { return {100, palette->height() - 2}; }

    // A press, a move by (dx, dy) and a release, with the button given, on the palette's
    // own strip unless another grab point is given.
    void drag(Qt::MouseButton button, QPoint by, std::optional<QPoint> at = {}) {
        const QPoint grab = at.value_or(onStrip());
        QMouseEvent press(QEvent::MouseButtonPress, grab, palette->mapToGlobal(grab), button, button,
                          Qt::NoModifier);
        QCoreApplication::sendEvent(palette, &press);
        const QPoint to = grab + by;
        QMouseEvent move(QEvent::MouseMove, to, palette->mapToGlobal(to), Qt::NoButton, button,
                         Qt::NoModifier);
        QCoreApplication::sendEvent(palette, &move);
        QMouseEvent release(QEvent::MouseButtonRelease, to, palette->mapToGlobal(to), button, Qt::NoButton,
                            Qt::NoModifier);
        QCoreApplication::sendEvent(palette, &release);
    }

    CadPalette* palette = nullptr;
    QRect opened;
};

TEST_F(PaletteTest, IsASmallFramelessWindowAboveOthers) {
    EXPECT_TRUE(palette->windowFlags() & Qt::FramelessWindowHint);
    EXPECT_TRUE(palette->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_TRUE(palette->windowTitle().isEmpty());
    auto* toolbar = palette->findChild<QToolBar*>("Toolbar1");
    ASSERT_NE(toolbar, nullptr);
    QStringList captions;
    for (QAction* a : toolbar->actions())
        captions << a->text();
    EXPECT_EQ(captions,
              (QStringList{"压簧设计", "塔簧设计", "鼓簧设计", "拉簧设计", "扭簧设计", "帮助", "退出"}));
    // The 4-px strip below the toolbar is the palette's own.
    EXPECT_EQ(palette->height() - toolbar->geometry().bottom() - 1, 4);
}

TEST_F(PaletteTest, ShowsAllSevenButtonsWithoutAnOverflowMenu) {
    auto* toolbar = palette->findChild<QToolBar*>("Toolbar1");
    ASSERT_NE(toolbar, nullptr);
    for (QAction* action : toolbar->actions()) {
        QWidget* button = toolbar->widgetForAction(action);
        ASSERT_NE(button, nullptr) << qPrintable(action->text());
        EXPECT_TRUE(button->isVisible()) << qPrintable(action->text());
        const QRect inPalette(button->mapTo(palette, QPoint()), button->size());
        EXPECT_TRUE(palette->rect().contains(inPalette)) << qPrintable(action->text());
        EXPECT_FALSE(action->icon().isNull()) << qPrintable(action->text());
    }
    for (auto* extension : toolbar->findChildren<QToolButton*>("qt_toolbar_ext_button"))
        EXPECT_FALSE(extension->isVisible());
}

TEST_F(PaletteTest, FitsItsButtonsAndStripAtOtherDesktopFontsAndStyles) {
    const QFont desktopFont = QApplication::font();
    const QString desktopStyle = QApplication::style()->name();
    const struct {
        int pointSize;
        const char* style;
    } desktops[] = {{6, "fusion"}, {16, "fusion"}, {9, "windows"}};
    auto* toolbar = palette->findChild<QToolBar*>("Toolbar1");
    ASSERT_NE(toolbar, nullptr);
    for (const auto& desktop : desktops) {
        QFont font = desktopFont;
        font.setPointSize(desktop.pointSize);
        QApplication::setFont(font);
        QApplication::setStyle(QString::fromLatin1(desktop.style));
        // The toolbar lays its buttons out again once the change has gone round.
        QCoreApplication::processEvents();
        const std::string at = std::to_string(desktop.pointSize) + " pt, " + desktop.style;
        // The height the palette takes from the rule it shares with the drawing host is the one
        // its own toolbar needs.
        EXPECT_EQ(toolbar->height(), toolbar->sizeHint().height()) << at;
        EXPECT_EQ(palette->height() - toolbar->geometry().bottom() - 1, 4) << at;
        for (QAction* action : toolbar->actions()) {
            QWidget* button = toolbar->widgetForAction(action);
            ASSERT_NE(button, nullptr) << at;
            EXPECT_TRUE(button->isVisible()) << at << " " << qPrintable(action->text());
            EXPECT_TRUE(toolbar->rect().contains(button->geometry()))
                << at << " " << qPrintable(action->text());
        }
    }
    QApplication::setStyle(desktopStyle);
    QApplication::setFont(desktopFont);
}

TEST_F(PaletteTest, OpensAtTheTopOfTheScreenCentred) {
    const QRect area = palette->screen()->availableGeometry();
    EXPECT_EQ(opened.top(), area.top());
    EXPECT_LE(std::abs(opened.center().x() - area.center().x()), 1);
}

TEST_F(PaletteTest, EachButtonShowsOneInstanceOfItsWindow) {
    const char* windows[] = {"CadCompressionForm", "CadConicalForm", "CadBarrelForm", "CadExtensionForm",
                             "CadTorsionForm"};
    for (int i = 1; i <= 5; ++i) {
        palette->buttonClick(i);
        FormBase* first = FormRegistry::find(windows[i - 1]);
        ASSERT_NE(first, nullptr) << windows[i - 1];
        EXPECT_TRUE(first->isVisible());
        palette->buttonClick(i);
        EXPECT_EQ(FormRegistry::find(windows[i - 1]), first);
    }
    EXPECT_EQ(FormRegistry::loaded().size(), 6);
    palette->buttonClick(0);
    palette->buttonClick(8);
    EXPECT_TRUE(prompts().requests.isEmpty());
}

TEST_F(PaletteTest, InputWindowOpensCentredAboveOthers) {
    palette->buttonClick(4);
    FormBase* form = FormRegistry::find("CadExtensionForm");
    ASSERT_NE(form, nullptr);
    const QPoint centre = form->screen()->availableGeometry().center();
    EXPECT_LE((form->geometry().center() - centre).manhattanLength(), 4);
    EXPECT_TRUE(form->windowFlags() & Qt::WindowStaysOnTopHint);
}

TEST_F(PaletteTest, MinimisedWindowIsRestored) {
    palette->buttonClick(1);
    FormBase* form = FormRegistry::find("CadCompressionForm");
    form->showMinimized();
    palette->buttonClick(1);
    EXPECT_FALSE(form->isMinimized());
    EXPECT_TRUE(form->isVisible());
}

TEST_F(PaletteTest, LeftDragMovesByThePointersDisplacement) {
    drag(Qt::LeftButton, {37, -12});
    EXPECT_EQ(palette->pos(), QPoint(337, 188));
    EXPECT_FALSE(palette->isDragging());
}

TEST_F(PaletteTest, RightAndMiddlePressesStartNoDrag) {
    drag(Qt::RightButton, {37, -12});
    drag(Qt::MiddleButton, {-20, 15});
    EXPECT_EQ(palette->pos(), QPoint(300, 200));
    // A left press on the toolbar is not on the palette's own surface.
    drag(Qt::LeftButton, {37, -12}, QPoint(100, 20));
    EXPECT_EQ(palette->pos(), QPoint(300, 200));
    // After a release, moving without a press does nothing.
    QMouseEvent move(QEvent::MouseMove, QPointF(150, palette->height() - 2),
                     QPointF(450, 198 + palette->height()), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(palette, &move);
    EXPECT_EQ(palette->pos(), QPoint(300, 200));
}

TEST_F(PaletteTest, MissingHelpPageIsReported) {
    QTemporaryDir dir;
    CadPalette::setHelpFile(dir.filePath("帮助文档.html"));
    palette->buttonClick(6);
    ASSERT_EQ(prompts().requests.size(), 1);
    const PromptRequest& box = prompts().requests.first();
    EXPECT_EQ(
        box.text,
        QStringLiteral("    帮助文件丢失，请查找 帮助文档.html 文件！\n然后将它存放在应用程序所在的目录。"));
    EXPECT_EQ(box.title, QStringLiteral("Helidraw"));
    EXPECT_EQ(box.icon, PromptIcon::None);
    EXPECT_EQ(box.buttons, PromptButtons::Ok);
}

// Takes documents instead of opening them on the test machine.
struct RecordingDesktop : desktop::Backend {
    QList<QUrl> opened;
    bool accepts = true;
    bool openUrl(const QUrl& url) override {
        opened.append(url);
        return accepts;
    }
    QString findProgram(const QString&) override { return {}; }
    bool startDetached(const QString&) override { return false; }
};

TEST_F(PaletteTest, ShippedHelpPageIsOpenedWithoutAMessage) {
    RecordingDesktop desk;
    desktop::setBackend(&desk);
    palette->buttonClick(6);
    desktop::setBackend(nullptr);
    ASSERT_EQ(desk.opened.size(), 1);
    EXPECT_TRUE(desk.opened.first().toLocalFile().endsWith("帮助文档.html"));
    EXPECT_TRUE(QFile::exists(desk.opened.first().toLocalFile()));
    EXPECT_TRUE(prompts().requests.isEmpty());
}

TEST_F(PaletteTest, HelpPageWithoutAHandlerIsReported) {
    RecordingDesktop desk;
    desk.accepts = false;
    desktop::setBackend(&desk);
    palette->buttonClick(6);
    desktop::setBackend(nullptr);
    ASSERT_EQ(prompts().requests.size(), 1);
    EXPECT_TRUE(prompts().lastText().contains("帮助文档.html"));
}

TEST_F(PaletteTest, HelpTheDesktopsOpenerFailsOnIsReportedByNameWithoutWaiting) {
    // The desktop's own opener, found on the search path, ends after a while saying that no
    // program takes the document, as xdg-open does.
    QTemporaryDir bin;
    QFile opener(bin.filePath("xdg-open"));
    ASSERT_TRUE(opener.open(QIODevice::WriteOnly));
    opener.write("#!/bin/sh\nsleep 0.3\nexit 3\n");
    opener.close();
    opener.setPermissions(QFile::ReadOwner | QFile::ExeOwner);
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", bin.path().toLocal8Bit() + ":" + path);
    palette->buttonClick(6);
    // The palette goes on answering while the opener runs.
    EXPECT_TRUE(prompts().requests.isEmpty());
    QDeadlineTimer deadline(5000);
    while (prompts().requests.isEmpty() && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    qputenv("PATH", path);
    ASSERT_EQ(prompts().requests.size(), 1);
    EXPECT_TRUE(prompts().lastText().contains(QStringLiteral("帮助文档.html")))
        << qPrintable(prompts().lastText());
    EXPECT_EQ(prompts().requests.first().title, QStringLiteral("Helidraw"));
}

TEST_F(PaletteTest, QuitEndsTheProgramWithoutQuestions) {
    int quits = 0;
    CadPalette::setQuitAction([&] { ++quits; });
    palette->buttonClick(1);
    palette->buttonClick(7);
    EXPECT_EQ(quits, 1);
    EXPECT_TRUE(prompts().requests.isEmpty());
}

} // namespace
