#pragma once
// The simulation area of a load-test window: paints the spring's lines and outlines, given in
// twips relative to the frame, as plain line art.

#include "calc/normal/LoadTest.h"

#include <QWidget>

class LoadTestCanvas : public QWidget {
    Q_OBJECT
public:
    LoadTestCanvas(const loadtest::LoadTest& test, QWidget* parent);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const loadtest::LoadTest& test_;
};
