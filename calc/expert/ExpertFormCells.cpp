#include "calc/expert/ExpertFormCells.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace expertui {

QVBoxLayout* inputsBesideSketch(QGroupBox* frame, const std::vector<std::vector<ui::Cell>>& rows,
                                const QString& sketch, int sketchTwips) {
    auto* row = new QHBoxLayout(frame);
    auto* fields = new QWidget(frame);
    row->addWidget(fields, 0, Qt::AlignTop);
    ui::grid(fields, rows);

    auto* side = new QVBoxLayout;
    row->addLayout(side);
    side->addWidget(ui::makePicture(frame, QStringLiteral("Image2"), sketch, ui::twips(sketchTwips)), 0,
                    Qt::AlignHCenter);
    side->addStretch();
    return side;
}

} // namespace expertui
