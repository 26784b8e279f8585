#pragma once
// A transparent hot spot over a pictured button of the main window's background: it shows a
// hand pointer and a tooltip and reports a left click. Every press on it stays with it, so a
// right click on a hot spot never reaches the background's popup menu.

#include <QLabel>

class CommandHotSpot : public QLabel {
    Q_OBJECT
public:
    CommandHotSpot(const QString& name, const QRect& geometry, QWidget* parent);

    // The pointer shown over every hot spot (a 32 x 32 hand).
    static QCursor pointer();

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool leftPressed_ = false;
};
