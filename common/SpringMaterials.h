#pragma once
// The spring-wire materials built into the calculators, with their moduli, and the two
// formulas every cylindrical-spring window shares.

#include <QString>
#include <QStringList>
#include <vector>

struct SpringMaterial {
    int textId;          // string-table id of the name, or 0 for a grade literal
    const char* literal; // the grade's name in every language when textId is 0
    int g;               // shear modulus, kgf/mm²
    int e;               // Young's modulus, kgf/mm²

    // The row's name in the language in force.
    QString name() const;
};

// The 26 rows in display order: 13 named grades, titanium alloy, 12 grade literals.
const std::vector<SpringMaterial>& springMaterialTable();

// The row sets that calculators list.
enum class SpringMaterialRows {
    All,         // all 26 rows, kgf/mm²
    NoTitanium,  // rows 1-13 and 15-26, kgf/mm²
    Short,       // rows 1-13 and seven literals, kgf/mm²
    ShortNewton, // the rows of Short, G in N/mm² (kgf/mm² x 9.8)
};

enum class Modulus { G, E };

// The rows of a set in table order (a window may list them in its own order).
std::vector<SpringMaterial> springMaterialRows(SpringMaterialRows rows);

// Names of a set in table order, in the language in force.
QStringList springMaterialNames(SpringMaterialRows rows);

// The modulus of the row whose name equals the text exactly (case-sensitive, no
// trimming); 0 when no row of the set matches. ShortNewton gives G in N/mm².
double springMaterialModulus(SpringMaterialRows rows, const QString& text, Modulus modulus = Modulus::G);

// Rate of a cylindrical helical spring, G d^4 / (8 D^3 n), in kgf/mm for G in kgf/mm².
double helicalSpringRate(double g, double d, double meanDiameter, double activeCoils);

// The limit load: the working load divided by 0.8.
inline double limitLoad(double load) {
    return load / 0.8;
}

// The short list (the rows of SpringMaterialRows::Short) in the two orders that the
// variable-pitch and shaped-coil calculators show it. Lookup stays springMaterialModulus.
enum class ShortListOrder {
    Steels,     // five steels, three grade literals, the stainless and copper rows, four literals
    TableFirst, // the thirteen string-table rows in table order, then seven grade literals
};
QStringList shortMaterialList(ShortListOrder order);
