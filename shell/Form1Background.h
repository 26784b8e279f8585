#pragma once
// The client area of the main window: the background picture with its pictured buttons, the
// hot spots over them, and the toolbar and status bar along its edges. A press that lands on
// the picture itself (not on a hot spot, the toolbar or the status bar) is reported.

#include <QImage>
#include <QWidget>

class Form1Background : public QWidget {
    Q_OBJECT
public:
    explicit Form1Background(QWidget* parent);

    static QString pictureResource() { return QStringLiteral(":/pictures/shell/background.svg"); }

    // Starts rendering the picture for a screen of this pixel ratio on a worker thread, so
    // that it is ready when the main window first paints (the splash starts it while its
    // animation runs).
    static void prepare(qreal ratio);
    // Waits for a rendering that prepare() started: the worker uses the application's fonts,
    // so it must be done before the application goes.
    static void waitForPrepared();

signals:
    // A press on the bare background; position in this widget's pixels.
    void backgroundPressed(Qt::MouseButton button, const QPoint& position);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    // Kept as the rendered image: painting draws it straight into the window's buffer, where
    // a pixmap would first copy the whole picture once more before the first frame.
    QImage picture_;
};
