// About the software: the publisher's banner and picture, the legal notice and the contact
// block.

#include "common/StringTable.h"
#include "common/ui/FormBase.h"
#include "common/ui/FormBuilder.h"
#include "common/ui/FormRegistry.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QVBoxLayout>

class Form49 : public FormBase {
public:
    Form49() : FormBase(QStringLiteral("Form49")) {
        auto* layout = new QVBoxLayout(this);
        layout->addWidget(ui::makePicture(this, QStringLiteral("Image1"),
                                          QStringLiteral(":/pictures/reference/about-banner.svg")));

        auto* body = new QHBoxLayout;
        body->addWidget(ui::makePicture(this, QStringLiteral("Image2"),
                                        QStringLiteral(":/pictures/reference/about-spring.svg")),
                        0, Qt::AlignTop);
        auto* right = new QVBoxLayout;
        QLabel* heading = ui::makeLiteral(this, QStringLiteral("Label1"), QString());
        QFont headingFont = heading->font();
        headingFont.setBold(true);
        heading->setFont(headingFont);
        right->addWidget(heading);
        auto* notice = new QPlainTextEdit(this);
        notice->setObjectName(QStringLiteral("Text1"));
        notice->setReadOnly(true);
        right->addWidget(notice, 1);
        body->addLayout(right, 1);
        layout->addLayout(body, 1);

        // The contact block; the publisher's own details go into these lines.
        ui::grid(this, {
                           {ui::literal(QStringLiteral("Label2"), QString())},
                           {ui::literal(QStringLiteral("Label3"), QString())},
                           {ui::literal(QStringLiteral("Label4"), QString())},
                           {ui::literal(QStringLiteral("Label5"), QStringLiteral("Tel: +00 000 0000 0000"))},
                           {ui::literal(QStringLiteral("Label6"),
                                        QStringLiteral("E-mail: support@quarnet.example"))},
                           {ui::literal(QStringLiteral("Label7"), QStringLiteral("Messaging: —"))},
                       });
        resize(ui::twips(9600), ui::twips(7800));

        setWindowTitle(StringTable::text(1722));
        notice->setPlainText(StringTable::text(1723).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
        setText(QStringLiteral("Label2"), StringTable::text(1724));
        setText(QStringLiteral("Label3"), StringTable::text(1344));
        setText(QStringLiteral("Label4"), StringTable::text(1725));
        headingFont.setFamily(StringTable::text(1353));
        heading->setFont(headingFont);
        heading->setText(StringTable::text(1726));
    }
};

SPIRELTA_REGISTER_FORM(Form49)
