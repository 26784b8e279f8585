#pragma once
// The client area of the main window: the background picture with its pictured buttons, the
// hot spots over them, and the toolbar and status bar along its edges. A press that lands on
// the picture itself (not on a hot spot, the toolbar or the status bar) is reported.

#include <QPixmap>
#include <QWidget>

class Form1Background : public QWidget {
    Q_OBJECT
public:
    explicit Form1Background(QWidget* parent);

    static QString pictureResource() { return QStringLiteral(":/pictures/shell/background.svg"); }

signals:
    // A press on the bare background; position in this widget's pixels.
    void backgroundPressed(Qt::MouseButton button, const QPoint& position);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    QPixmap picture_;
};
