#pragma once
// The frame shared by the standard-based designers (compression, torsion, extension, conical,
// barrel, hourglass).
//
// The user picks what to solve for (Combo1), a material whose modulus fills Text2 (Combo2),
// the unit system (Combo3), fills the input groups and presses Command1; the single result goes
// into Text1. Everything but the window's own table and formula is here: the layout, loading,
// the three list handlers, the required-field test, reset and exit. A window is one table.

#include "calc/standard/StandardQuantities.h"
#include "common/SpringMaterials.h"
#include "common/ui/FieldTable.h"
#include "common/ui/FormBase.h"

#include <vector>

namespace standard {

// One input group: caption label, field and unit label (all named in `input`), shown or hidden
// together, and the quantity the field holds. The d group's caption (1815) is not the text its
// message names (1333): `input.messageId`.
struct DesignerGroup {
    ui::InputField input;
    float Quantities::*quantity;
};

// One quantity to solve for.
struct DesignerChoice {
    int textId; // the text of Combo1 that selects it
    SolveFor target;
    const char* resultUnit;            // Label3 while it is chosen
    const char* pattern;               // of the result in Text1
    std::vector<const char*> hidden;   // fields whose groups it hides
    std::vector<const char*> required; // fields tested (and read), in test order
};

struct DesignerTable {
    const char* className;
    int captionId;
    int resultCaptionId; // Label2
    Modulus modulus;     // G or E from the material table
    int modulusCaptionId;
    const char* loadUnitLabel;
    const char* stepsHeading;            // label of text 1818
    const char* stepsText;               // label of text 1819
    std::vector<DesignerGroup> groups;   // two to a row, left then right
    std::vector<DesignerChoice> choices; // in the order of Combo1's list
    std::vector<int> solveOrder;         // the order in which a calculation compares Combo1's text
    float (*solve)(SolveFor, const Quantities&);
};

class StandardDesignerFrame : public FormBase {
    Q_OBJECT
public:
    explicit StandardDesignerFrame(const DesignerTable& table);

    // The modulus of the material last picked, kgf/mm², single precision; 0 before any pick.
    float materialModulus() const { return materialModulus_; }

    // The handlers of the three lists; a pick from a list runs them, typing does not.
    void solveForSwitch();
    void materialModulusPick();
    void modulusUnitSwitch();

    void calculate();
    void reset();

private:
    void build();
    void load();
    const DesignerChoice* choiceFor(const QString& text, const std::vector<int>& order) const;
    const DesignerGroup& group(const char* field) const;
    void showGroup(const DesignerGroup& g, bool shown);
    QString modulusText() const;

    const DesignerTable& table_;
    std::vector<ui::InputField> inputs_; // the groups' fields, in table order
    float materialModulus_ = 0;
    bool newtonUnits_ = false; // the last unit pick chose "N/mm2"
};

} // namespace standard
