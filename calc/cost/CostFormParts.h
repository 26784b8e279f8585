#pragma once
// Pieces the weight, cost and quotation windows share: the two-column frame (fields left,
// picture right), field rows whose unit may come from the string table, a button whose caption
// is the same in every language, and the publisher's contact block.

#include "common/ui/FieldTable.h"
#include "common/ui/FormBuilder.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <span>
#include <vector>

class FormBase;
class QWidget;

namespace costparts {

// The left column of the window (a vertical box that ui::grid adds to) beside its picture.
QWidget* columns(FormBase* form, const QString& pictureName, const QString& resource, int width);

// Field rows: caption, field (with its default), unit. A unit text id replaces the field's
// literal unit for that row (0: keep the literal).
struct UnitText {
    const char* field;
    int textId;
};
std::vector<std::vector<ui::Cell>> fieldRows(ui::InputFields fields,
                                             std::span<const UnitText> unitTexts = {});

// A button whose caption is not translated ("=").
ui::Cell literalButton(const char* name, const char* caption);

// Two labels that open the publisher's web page and a new mail to the publisher.
void addContactLinks(QWidget* column, const char* webLabel, const char* mailLabel);

// The keys and buttons of a weight window: the Down arrow walks the Text1 array, the calculate
// button ("=") is the default button, the reset puts the fields back as declared and empties
// the result boxes, and the exit button closes. The fields are declared.
struct WeightButtons {
    const char* calculate;
    const char* reset;
    const char* exit;
    QStringList results;          // emptied by the reset
    bool focusFirstField = false; // Text1_0 has the focus when the window is shown
};
void wireWeightWindow(FormBase* form, ui::InputFields fields, const WeightButtons& buttons,
                      std::function<void()> calculate);

// Fills a material list and selects one of its items.
void fillList(FormBase* form, const QString& list, const QStringList& items, int selected);

// The required test of the windows whose message is the field's caption by itself, without
// text 1383: the first required field (in declared order) that is empty is reported; false then.
bool requireCaptionAlone(FormBase* form, ui::InputFields fields);

} // namespace costparts
