#pragma once
// The load–deflection sketch of the conical calculator: a curve that rises straight until the
// first coil touches and then steepens, with the contact and solid points marked. Four labels
// beside the marked points (Label24, Label40, Label28, Label14) receive the computed values;
// the drawing itself never changes.

#include <QWidget>

class ConicalLoadSketch : public QWidget {
    Q_OBJECT
public:
    explicit ConicalLoadSketch(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};
