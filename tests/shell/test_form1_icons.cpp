// The main window's toolbar pictures and window icon: drawn ahead on a worker thread (as the
// splash has them drawn) or on the spot, they look exactly as the SVG files do.

#include "shell/CommandList.h"
#include "shell/Form1Icons.h"

#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <gtest/gtest.h>

namespace {

QImage pixels(const QIcon& icon, int side) {
    return icon.pixmap(QSize(side, side)).toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

TEST(Form1Icons, ToolbarPicturesMatchTheirFilesWhetherDrawnAheadOrOnTheSpot) {
    ASSERT_FALSE(commands::toolbar().empty());
    for (bool ahead : {false, true}) {
        if (ahead) {
            form1::prepareIcons(1.0);
            form1::waitForPreparedIcons();
        }
        for (const commands::ToolbarButton& button : commands::toolbar()) {
            SCOPED_TRACE(button.index);
            const QImage ours = pixels(form1::toolbarIcon(button.index, 1.0), 32);
            const QImage file = pixels(QIcon(commands::toolbarImage(button.index)), 32);
            ASSERT_EQ(ours.size(), QSize(32, 32));
            EXPECT_EQ(ours, file) << "ahead " << ahead;
        }
    }
}

TEST(Form1Icons, WindowIconHoldsEveryDesktopSize) {
    const QIcon icon = form1::windowIcon();
    const QIcon file(QStringLiteral(":/pictures/shell/icon.svg"));
    for (int side : {16, 24, 32, 48, 64, 128}) {
        SCOPED_TRACE(side);
        EXPECT_TRUE(icon.availableSizes().contains(QSize(side, side)));
        EXPECT_EQ(pixels(icon, side), pixels(file, side));
    }
}

} // namespace
