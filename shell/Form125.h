#pragma once
// The splash window: a borderless window whose background is see-through, so that only the
// loading text and a progress track float over the desktop. The bar grows 25 twips every
// 5 ms; once it is as wide as its track the main window is shown and the splash closes.
// The progress is a fixed animation, not a measure of any loading work.

#include "common/ui/FormBase.h"

#include <QColor>

class QLabel;
class QTimer;

class Form125 : public FormBase {
    Q_OBJECT
public:
    Form125();
    ~Form125() override;

    // Pixels drawn in this colour are not part of the window.
    static QColor keyColor() { return QColor(0, 0, 255); }
    static constexpr int trackWidth = 2535; // twips, the 100 % mark
    static constexpr int barStep = 25;

    // One tick of Timer1 (every 5 ms).
    void tick();
    int barWidth() const { return barWidth_; } // twips

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void updateShape();
    QRect barRect() const; // in window pixels

    QLabel* label2_ = nullptr;
    QWidget* picture1_ = nullptr;
    QLabel* label1_ = nullptr;
    QLabel* label3_ = nullptr;
    QTimer* timer1_ = nullptr;
    int barWidth_ = 0;
};
