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

// A material known by its list text and Young's modulus, the usual row of such a table.
struct NamedModulus {
    const char* name;
    double e;
};

// The modulus of the row whose list text is `text`; 0 when no row has it.
template <class Rows> double modulusNamed(const Rows& rows, const QString& text) {
    const NamedModulus* row = rowNamed(rows, text);
    return row ? row->e : 0;
}

} // namespace noncoil
