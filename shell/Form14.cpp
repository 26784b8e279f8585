// Summary of the Japanese spring tolerance standard, as scrolling read-only text.

#include "common/StringTable.h"
#include "common/ui/FormBase.h"
#include "common/ui/FormBuilder.h"
#include "common/ui/FormRegistry.h"

#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace {

void setFontFamily(QWidget* widget, const QString& family) {
    QFont font = widget->font();
    font.setFamily(family);
    widget->setFont(font);
}

} // namespace

class Form14 : public FormBase {
public:
    Form14() : FormBase(QStringLiteral("Form14")) {
        auto* layout = new QVBoxLayout(this);
        QLabel* heading = ui::makeLiteral(this, QStringLiteral("LABEL1"), QString());
        heading->setAlignment(Qt::AlignCenter);
        layout->addWidget(heading);
        QGroupBox* frame = ui::makeFrame(this, QStringLiteral("Frame1"), 0);
        auto* frameLayout = new QVBoxLayout(frame);
        auto* text = new QPlainTextEdit(frame);
        text->setObjectName(QStringLiteral("Text1"));
        text->setReadOnly(true);
        text->setFrameShape(QFrame::NoFrame);
        text->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        text->setLineWrapMode(QPlainTextEdit::WidgetWidth);
        frameLayout->addWidget(text);
        layout->addWidget(frame, 1);
        resize(ui::twips(9000), ui::twips(8000));

        const QString fontName = StringTable::text(1353);
        setWindowTitle(StringTable::text(1212));
        setFontFamily(heading, fontName);
        heading->setText(StringTable::text(1212));
        setFontFamily(text, fontName);
        // The table keeps CR LF between lines; the text box wants plain line feeds.
        text->setPlainText(StringTable::text(1030).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    }
};

SPIRELTA_REGISTER_FORM(Form14)
