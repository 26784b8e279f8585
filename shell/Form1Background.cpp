#include "shell/Form1Background.h"

#include "common/ui/FormBuilder.h"

#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <QSvgRenderer>
#include <future>

namespace {

// The picture covers the client area of the main window, 15360 x 12135 twips.
const QSize pictureSize(ui::twips(15360), ui::twips(12135));
const QColor paper(0xe8, 0xee, 0xf4);

QImage renderPicture(qreal ratio) {
    // Opaque: the paper colour lies under the whole picture.
    QImage image(pictureSize * ratio, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(paper);
    QPainter into(&image);
    QSvgRenderer(Form1Background::pictureResource())
        .render(&into, QRectF(QPointF(0, 0), QSizeF(pictureSize)));
    return image;
}

struct Prepared {
    qreal ratio = 0;
    std::shared_future<QImage> image;
};

Prepared& prepared() {
    static Prepared p;
    return p;
}

} // namespace

void Form1Background::prepare(qreal ratio) {
    Prepared& p = prepared();
    if (p.image.valid() && qFuzzyCompare(p.ratio, ratio))
        return;
    p.ratio = ratio;
    p.image = std::async(std::launch::async, renderPicture, ratio).share();
}

void Form1Background::waitForPrepared() {
    if (prepared().image.valid())
        prepared().image.wait();
}

Form1Background::Form1Background(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Form1Client"));
    setAutoFillBackground(false);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void Form1Background::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    const qreal ratio = devicePixelRatioF();
    if (picture_.isNull() || !qFuzzyCompare(picture_.devicePixelRatio(), ratio)) {
        // Rendered once per screen resolution (ahead of time when prepare() was called);
        // every later paint is a plain copy.
        Prepared& p = prepared();
        const bool ready = p.image.valid() && qFuzzyCompare(p.ratio, ratio);
        picture_ = ready ? p.image.get() : renderPicture(ratio);
        // The window keeps its own copy; the prepared one is not needed twice.
        p.image = {};
    }
    painter.fillRect(event->rect(), paper);
    painter.drawImage(0, 0, picture_);
}

void Form1Background::mousePressEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    if (childAt(at)) {
        event->ignore();
        return;
    }
    event->accept();
    emit backgroundPressed(event->button(), at);
}
