// Glossary of the symbols and units the calculators use, in two columns.

#include "common/StringTable.h"
#include "common/ui/FormBase.h"
#include "common/ui/FormBuilder.h"
#include "common/ui/FormRegistry.h"

#include <QHBoxLayout>
#include <QLabel>

class Form30 : public FormBase {
public:
    Form30() : FormBase(QStringLiteral("Form30")) {
        auto* layout = new QHBoxLayout(this);
        for (const char* name : {"Label1", "Label2"}) {
            QLabel* column = ui::makeLiteral(this, QLatin1StringView(name), QString());
            column->setTextFormat(Qt::PlainText);
            column->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            column->setTextInteractionFlags(Qt::TextSelectableByMouse);
            layout->addWidget(column, 1);
        }

        setWindowTitle(StringTable::text(1209));
        const QString fontName = StringTable::text(1353);
        for (QLabel* label : findChildren<QLabel*>()) {
            QFont font = label->font();
            font.setFamily(fontName);
            label->setFont(font);
        }
        setText(QStringLiteral("Label1"), lines(1580));
        setText(QStringLiteral("Label2"), lines(1581));
    }

private:
    // The table keeps CR LF between entries; a label wants plain line feeds.
    static QString lines(int id) {
        return StringTable::text(id).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    }
};

SPIRELTA_REGISTER_FORM(Form30)
