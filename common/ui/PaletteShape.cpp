#include "common/ui/PaletteShape.h"

#include "common/ui/FormBuilder.h"

#include <QAction>
#include <QPixmap>
#include <QToolBar>

namespace paletteshape {

namespace {

constexpr QSize kPictureSize(16, 16);

} // namespace

const QStringList& captions() {
    static const QStringList all{QStringLiteral("压簧设计"), QStringLiteral("塔簧设计"),
                                 QStringLiteral("鼓簧设计"), QStringLiteral("拉簧设计"),
                                 QStringLiteral("扭簧设计"), QStringLiteral("帮助"),
                                 QStringLiteral("退出")};
    return all;
}

void styleToolbar(QToolBar* toolbar) {
    toolbar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    toolbar->setIconSize(kPictureSize);
}

int stripHeight() {
    return ui::twips(60);
}

int toolbarHeight() {
    // The same toolbar, in a window of its own kind, measured. A button without a picture shows
    // its caption alone, so each gets a blank one; the caption's fonts decide the height, so
    // each gets its own caption.
    QWidget window;
    QToolBar toolbar(&window);
    styleToolbar(&toolbar);
    QPixmap blank(kPictureSize);
    blank.fill(Qt::transparent);
    for (const QString& caption : captions())
        toolbar.addAction(QIcon(blank), caption);
    return toolbar.sizeHint().height();
}

int outerHeight() {
    return toolbarHeight() + stripHeight();
}

} // namespace paletteshape
