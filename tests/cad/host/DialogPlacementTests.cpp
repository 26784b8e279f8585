// Helidraw's palette and the drawing host's dialogs on one desktop: whatever the desktop's
// font, style and scale, and whether or not the dialog's frame is known when it opens, the
// host's Save As dialog and its question about unsaved changes open wholly below the palette
// and on the screen.

#include "cad/CadPalette.h"
#include "cad/host/HostWindow.h"
#include "common/ui/FormRegistry.h"

#include <QApplication>
#include <QFile>
#include <QProcess>
#include <QProxyStyle>
#include <QScreen>
#include <QStyleFactory>
#include <QTemporaryDir>
#include <QWindow>
#include <gtest/gtest.h>

namespace {

using namespace host;

// A desktop style whose tool buttons are roomier than Fusion's, as many desktop themes are.
class RoomyStyle : public QProxyStyle {
public:
    RoomyStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("fusion"))) {}
    QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                           const QWidget* widget) const override {
        const QSize fusion = QProxyStyle::sizeFromContents(type, option, size, widget);
        return type == CT_ToolButton ? fusion + QSize(12, 12) : fusion;
    }
    int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override {
        const int fusion = QProxyStyle::pixelMetric(metric, option, widget);
        return metric == PM_ToolBarItemMargin || metric == PM_ToolBarFrameWidth ? fusion + 4 : fusion;
    }
};

// As tall as the title bars of the common window managers, at the desktop's scale.
constexpr int kTallTitleBar = 37;

std::string text(const QRect& r) {
    return QStringLiteral("(%1, %2) %3 × %4")
        .arg(r.x())
        .arg(r.y())
        .arg(r.width())
        .arg(r.height())
        .toStdString();
}

struct Desktop {
    const char* name;
    int pointSize; // 0: the desktop's own
    bool roomyStyle;
};

class DialogPlacementTest : public ::testing::TestWithParam<Desktop> {
protected:
    void SetUp() override {
        if (GetParam().pointSize) {
            QFont font = oldFont;
            font.setPointSize(GetParam().pointSize);
            QApplication::setFont(font);
        }
        if (GetParam().roomyStyle)
            QApplication::setStyle(new RoomyStyle);
    }
    void TearDown() override {
        delete FormRegistry::find(QStringLiteral("CadPalette"));
        QApplication::setStyle(oldStyle);
        QApplication::setFont(oldFont);
    }

    const QFont oldFont = QApplication::font();
    const QString oldStyle = QApplication::style()->name();
};

TEST_P(DialogPlacementTest, HostDialogsOpenWhollyBelowThePalette) {
    FormRegistry::show(QStringLiteral("CadPalette"));
    QWidget* palette = FormRegistry::find(QStringLiteral("CadPalette"));
    ASSERT_NE(palette, nullptr);
    const QRect paletteFrame = palette->frameGeometry();
    const QRect available = palette->screen()->availableGeometry();

    DrawingModel model;
    HostCalls calls{model};
    HostWindow window{model, calls};
    // A small host window moved to the top edge: a dialog centred on it would reach under the
    // palette.
    window.resize(400, 120);
    window.move(available.topLeft());
    window.show();

    QStringList shown;
    const auto expectBelowPalette = [&](QDialog& dialog, const QString& which) {
        dialog.show();
        QCoreApplication::processEvents();
        // A window manager that has not framed the dialog yet puts a title bar above it later.
        QRect frame = dialog.frameGeometry();
        if (dialog.windowHandle()->frameMargins().isNull())
            frame.setTop(frame.top() - kTallTitleBar);
        EXPECT_GE(frame.top(), paletteFrame.bottom() + 1) << qPrintable(which);
        EXPECT_TRUE(available.contains(frame))
            << qPrintable(which) << " " << text(frame) << " in " << text(available);
        dialog.hide();
        shown << which;
    };
    window.runMessage = [&](QMessageBox& box) {
        expectBelowPalette(box, QStringLiteral("unsaved changes"));
        return int(QMessageBox::Save);
    };
    window.runDialog = [&](QFileDialog& dialog) {
        expectBelowPalette(dialog, QStringLiteral("Save As"));
        return false;
    };
    model.addLine({0, 0, 0}, {1, 0, 0});
    window.newDrawing();
    EXPECT_EQ(shown, (QStringList{"unsaved changes", "Save As"}));
}

INSTANTIATE_TEST_SUITE_P(Desktops, DialogPlacementTest,
                         ::testing::Values(Desktop{"DesktopFont", 0, false}, Desktop{"LargeFont", 16, false},
                                           Desktop{"RoomyStyle", 0, true}),
                         [](const auto& info) { return std::string(info.param.name); });

// A window system sets its screens and scale as a program starts, so the cases above run again
// in test programs of their own: at 1.5 times scale on a 1280 × 720 screen, 853 × 480 at that
// scale, where the Save As dialog fits below the palette only when made smaller; and where the
// window system reports no frame for a window, as it does before the window manager has framed
// a new one.
TEST(DialogPlacementOnOtherDesktopsTest, HostDialogsOpenWhollyBelowThePalette) {
    const struct {
        const char *name, *scale;
        int width, height;
        bool framesReported;
    } desktops[] = {{"scaled", "1.5", 1280, 720, true}, {"frames not yet reported", "1", 1920, 1080, false}};
    for (const auto& desktop : desktops) {
        QTemporaryDir dir;
        QFile config(dir.filePath(QStringLiteral("desktop.json")));
        ASSERT_TRUE(config.open(QIODevice::WriteOnly));
        config.write(
            QStringLiteral(R"({"windowFrameMargins": %1, "screens": [{"name": "screen", "x": 0, "y": 0,
                                        "width": %2, "height": %3, "logicalDpi": 96, "dpr": 1}]})")
                .arg(desktop.framesReported ? "true" : "false")
                .arg(desktop.width)
                .arg(desktop.height)
                .toUtf8());
        config.close();
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"),
                   QStringLiteral("offscreen:configfile=") + config.fileName());
        env.insert(QStringLiteral("QT_SCALE_FACTOR"), QString::fromLatin1(desktop.scale));
        QProcess run;
        run.setProcessEnvironment(env);
        run.setProcessChannelMode(QProcess::MergedChannels);
        run.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--gtest_filter=Desktops/*")});
        ASSERT_TRUE(run.waitForFinished(120000)) << desktop.name;
        const QString output = QString::fromLocal8Bit(run.readAll());
        EXPECT_EQ(run.exitCode(), 0) << desktop.name << "\n" << qPrintable(output);
        for (const char* row : {"DesktopFont", "LargeFont", "RoomyStyle"})
            EXPECT_TRUE(output.contains(QStringLiteral("[       OK ] Desktops/DialogPlacementTest."
                                                       "HostDialogsOpenWhollyBelowThePalette/") +
                                        QLatin1String(row)))
                << desktop.name << ": " << row;
    }
}

} // namespace
