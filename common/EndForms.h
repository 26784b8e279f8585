#pragma once
// The five end forms of a compression spring: three for cold-coiled springs (wire up to 8 mm),
// two for hot-coiled ones. A form is known by its code, which the user chooses in the end-form
// picker (Form129) or in the compression wizard's end-form step (Form93); the compression
// calculator (Form21) reads it to find the solid height. Both choosers offer this one table,
// so their codes, ranges and counts never drift apart. Codes compare exactly, letter for
// letter and in the case shown.

#include <QString>
#include <QStringView>
#include <array>

namespace endforms {

enum class Coiling { Cold, Hot };

struct EndForm {
    const char* code;        // "YI", "YII", "YIII", "RYI", "RYII"
    const char* description; // what the ends look like (the picture's tooltip)
    Coiling coiling;
    const char* inactiveCoilRange; // as shown, e.g. "1~2.5"
    const char* inactiveCoils;     // the count n2 taken, as shown, e.g. "2"
    const char* picture;           // embedded resource
    // Ends closed and ground (or flattened) lie flat, so the solid height is 1.5 coils lower.
    bool groundEnds;

    QString codeText() const { return QString::fromLatin1(code); }
};

// In the order of the picker's pictures and option buttons 1 to 5.
const std::array<EndForm, 5>& all();

// The form with exactly this code, or nullptr.
const EndForm* find(QStringView code);

// Solid height from the total coils n1 and the wire diameter d, in double precision:
// (n1 + 1) * d for forms whose ends are not ground, (n1 + 1 - 1.5) * d for the others.
double solidHeight(const EndForm& form, double totalCoils, double wireDiameter);

} // namespace endforms
