#pragma once
// The frame of the quick designers: small windows that recompute a spring five times a second
// while the user types, so that an estimated wire diameter can be varied until every verdict
// reads OK.
//
// A window declares its input rows (ui::InputField), its result rows (ResultRow), the colours
// of its fields and its pictures; the frame builds the known-conditions frame, the results
// frame, the usage text and the two pictures, attaches the key handling and runs Timer1.
// Each tick first compares the input texts with those of the last tick: when nothing was
// typed, the tick costs that comparison and nothing else. A tick never opens a box; a fault
// ends it where it happened (FormBase::addTimer), leaving what it wrote and the last complete
// results of the rest.

#include "common/Numbers.h"
#include "common/ui/FieldTable.h"
#include "common/ui/FormBase.h"
#include "common/ui/NumericFieldKeys.h"

#include <QStringList>
#include <span>
#include <vector>

class QGroupBox;
class QTimer;

namespace quick {

// A row of the results frame: caption, result box and, when the row has them, a unit or
// verdict label and a range label, each with the caption it shows before the first tick.
struct ResultRow {
    const char* caption; // "Label3_0"
    int captionId;
    const char* field; // "Text2_0"
    const char* side = nullptr;
    const char* sideText = "";
    const char* range = nullptr; // shows "--" before the first tick
};

// A tooltip: a string-table text, or a literal that reads the same in every language.
struct Tip {
    const char* control;
    int textId = 0;
    const char* literal = "";
};

// What the user reads at a glance: estimates in light orange, the key results in pink,
// verdicts and ranges in red; every other input is a known condition in light blue.
struct Colours {
    QStringList estimates;
    QStringList keyResults;
    QStringList redLabels;
    QStringList redFields;
};

struct Pictures {
    const char* sketch;       // the installation space
    const char* modulusTable; // the moduli of the usual wire materials
    const char* modulusTip;   // "材料横弹性系数表" or "材料纵弹性系数表"
};

// How a field is read: the whole text must be a number, or its leading number counts.
enum class Reading { Strict, Lenient };

template <class S> struct Read {
    const char* control;
    float S::*member;
    Reading reading;
};

class QuickDesignerFrame : public FormBase {
    Q_OBJECT
public:
    static constexpr int kTickMs = 200;

protected:
    QuickDesignerFrame(const QString& className, int captionId);

    // Builds the window; `extraKnownRows` go under the input rows.
    void build(ui::InputFields inputs, std::span<const ResultRow> results, const char* usageLabel,
               int usageTextId, const Pictures& pictures, const Colours& colours, std::span<const Tip> tips,
               std::vector<std::vector<ui::Cell>> extraKnownRows = {});

    // Attaches the key handling to Text1 and starts Timer1.
    void start(NumericFieldKeys::Filter filter = NumericFieldKeys::Filter::Numbers);

    // The window's recomputation; may throw num::CalcFault.
    virtual void recompute() = 0;

    // True when no listed field is the empty string (a text of blanks counts as filled).
    bool allFilled(std::span<const char* const> names) const;
    float readSingle(const char* control, Reading reading) const;
    template <class S> S readAll(std::span<const Read<S>> map, S start = {}) const {
        for (const Read<S>& r : map)
            start.*(r.member) = readSingle(r.control, r.reading);
        return start;
    }
    void showVerdict(const char* label, bool ok);
    void showRange(const char* label, const QString& low, const QString& high);

private:
    // One tick of Timer1: nothing when no input text changed since the last tick, else the
    // window's recomputation.
    void tick();
    QGroupBox* buildKnown(ui::InputFields inputs, std::vector<std::vector<ui::Cell>> extraRows);
    QGroupBox* buildResults(std::span<const ResultRow> results);
    void paint(const Colours& colours);

    QStringList lastInputs_;
    bool ticked_ = false;
};

template <class S> QStringList readNames(std::span<const Read<S>> map) {
    QStringList names;
    for (const Read<S>& r : map)
        names.append(QString::fromLatin1(r.control));
    return names;
}

} // namespace quick
