#include "calc/expert/ExpertFormCells.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include <cstring>
#include <stdexcept>
#include <string>

namespace expertui {

std::vector<std::vector<ui::Cell>> inputRows(ui::InputFields fields, std::vector<CellInstead> instead,
                                             bool withMarks) {
    std::vector<std::vector<ui::Cell>> rows = ui::inputRows(fields, withMarks);
    for (CellInstead& c : instead) {
        std::size_t i = 0;
        while (i < fields.size() && std::strcmp(fields[i].field, c.field) != 0)
            ++i;
        if (i == fields.size()) // a misspelt name fails when the window is built
            throw std::logic_error(std::string("no input field ") + c.field);
        rows[i][std::size_t(c.column)] = std::move(c.cell);
    }
    return rows;
}

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
