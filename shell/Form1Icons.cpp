#include "shell/Form1Icons.h"

#include "shell/CommandList.h"

#include <QHash>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>
#include <future>

namespace {

constexpr int toolbarSide = 32;
// The sizes a desktop shows a window icon at (title bar, task bar, switcher).
constexpr int iconSides[] = {16, 24, 32, 48, 64, 128};

QString iconFile() {
    return QStringLiteral(":/pictures/shell/icon.svg");
}

QImage render(const QString& file, int side, qreal ratio) {
    const int pixels = qRound(side * ratio);
    QImage image(pixels, pixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    QSvgRenderer(file).render(&painter);
    painter.end();
    image.setDevicePixelRatio(ratio);
    return image;
}

struct Pictures {
    QHash<int, QImage> toolbar;
    QList<QImage> icon;
};

Pictures renderAll(const QList<int>& indices, qreal ratio) {
    Pictures p;
    for (int index : indices)
        p.toolbar.insert(index, render(commands::toolbarImage(index), toolbarSide, ratio));
    for (int side : iconSides)
        p.icon.append(render(iconFile(), side, 1.0));
    return p;
}

struct Prepared {
    qreal ratio = 0;
    std::shared_future<Pictures> pictures;
};

Prepared& prepared() {
    static Prepared p;
    return p;
}

// The prepared pictures when they were drawn for this ratio; null otherwise.
const Pictures* preparedFor(qreal ratio) {
    Prepared& p = prepared();
    if (!p.pictures.valid() || !qFuzzyCompare(p.ratio, ratio))
        return nullptr;
    return &p.pictures.get();
}

} // namespace

namespace form1 {

void prepareIcons(qreal ratio) {
    Prepared& p = prepared();
    if (p.pictures.valid() && qFuzzyCompare(p.ratio, ratio))
        return;
    QList<int> indices;
    for (const commands::ToolbarButton& button : commands::toolbar())
        indices.append(button.index);
    p.ratio = ratio;
    p.pictures = std::async(std::launch::async, renderAll, indices, ratio).share();
}

void waitForPreparedIcons() {
    if (prepared().pictures.valid())
        prepared().pictures.wait();
}

QIcon toolbarIcon(int index, qreal ratio) {
    if (const Pictures* ready = preparedFor(ratio)) {
        const auto found = ready->toolbar.constFind(index);
        if (found != ready->toolbar.constEnd())
            return QIcon(QPixmap::fromImage(*found));
    }
    return QIcon(QPixmap::fromImage(render(commands::toolbarImage(index), toolbarSide, ratio)));
}

QIcon windowIcon() {
    QIcon icon;
    const Pictures* ready = prepared().pictures.valid() ? &prepared().pictures.get() : nullptr;
    if (ready) {
        for (const QImage& image : ready->icon)
            icon.addPixmap(QPixmap::fromImage(image));
        return icon;
    }
    for (int side : iconSides)
        icon.addPixmap(QPixmap::fromImage(render(iconFile(), side, 1.0)));
    return icon;
}

} // namespace form1
