#include "common/ui/ResultRows.h"

#include <algorithm>

namespace ui {

namespace {

QString nameOr(const char* given, const char* box) {
    return given ? QString::fromLatin1(given) : QStringLiteral("Unit_") + QString::fromLatin1(box);
}

Cell redIf(Cell cell, bool red) {
    return red ? colored(std::move(cell), QStringLiteral("red")) : cell;
}

Cell unitCell(const char* name, const char* box, const char* text, int textId) {
    if (textId)
        return label(nameOr(name, box), textId);
    return *text ? literal(nameOr(name, box), QString::fromUtf8(text)) : gap();
}

Cell captionCell(const ResultRow& r) {
    if (r.captionId)
        return redIf(label(QString::fromLatin1(r.caption), r.captionId), r.red);
    if (r.captionText)
        return redIf(literal(QString::fromLatin1(r.caption), QString::fromUtf8(r.captionText)), r.red);
    return gap();
}

std::vector<Cell> resultCells(const ResultRow& r, ResultBoxes boxes) {
    if (!r.box)
        return {r.caption ? label(QString::fromLatin1(r.caption), r.captionId, 5) : gap(5)};
    const auto box = [boxes](const char* name) {
        return boxes == ResultBoxes::Editable ? edit(QString::fromLatin1(name))
                                              : result(QString::fromLatin1(name));
    };
    std::vector<Cell> cells;
    cells.push_back(captionCell(r));
    cells.push_back(r.verdict ? literal(QString::fromLatin1(r.box), QString::fromUtf8(r.boxText))
                              : box(r.box));
    cells.push_back(redIf(unitCell(r.unitName, r.box, r.unit, r.unitId), r.red));
    if (r.note)
        cells.push_back(literal(QString::fromLatin1(r.note), QString::fromUtf8(r.boxText)));
    else if (r.box2)
        cells.push_back(box(r.box2));
    else
        cells.push_back(gap());
    cells.push_back(r.box2 ? unitCell(r.unit2Name, r.box2, r.unit2, r.unit2Id) : gap());
    return cells;
}

} // namespace

std::vector<std::vector<Cell>> resultGrid(std::span<const ResultRow> rows, int columns, ResultBoxes boxes) {
    std::vector<std::vector<Cell>> grid;
    columns = std::max(1, columns);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (i % columns == 0)
            grid.emplace_back();
        const std::vector<Cell> cells = resultCells(rows[i], boxes);
        grid.back().insert(grid.back().end(), cells.begin(), cells.end());
    }
    return grid;
}

} // namespace ui
