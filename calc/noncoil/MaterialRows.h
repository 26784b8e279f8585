#pragma once
// The material lists of the non-coil calculators are small tables of rows that start with the
// list text (`name`) and carry that material's values. A row is found by its list text exactly
// as shown; a text typed into the list that names no row finds none.

#include <QString>
#include <QStringList>
#include <iterator>

namespace noncoil {

// The list texts, in table order.
template <class Rows> QStringList namesOf(const Rows& rows) {
    QStringList names;
    for (const auto& row : rows)
        names.append(QString::fromLatin1(row.name));
    return names;
}

// The row whose list text is `text`, or nullptr.
template <class Rows> auto rowNamed(const Rows& rows, const QString& text) -> decltype(&*std::begin(rows)) {
    for (const auto& row : rows) {
        if (text == QLatin1String(row.name))
            return &row;
    }
    return nullptr;
}

} // namespace noncoil
