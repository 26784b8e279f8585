#include "support/WindowCases.h"

#include <QAbstractButton>
#include <QLabel>

void typeAll(FormBase* form, const std::vector<ControlText>& texts) {
    for (const ControlText& t : texts)
        form->setText(QString::fromLatin1(t.control), QString::fromUtf8(t.text));
}

void expectTexts(const FormBase* form, const std::vector<ControlText>& texts) {
    for (const ControlText& t : texts)
        EXPECT_EQ(form->text(QString::fromLatin1(t.control)), QString::fromUtf8(t.text))
            << qPrintable(form->objectName()) << " " << t.control;
}

void expectNoNonFinite(const FormBase* form) {
    auto bad = [](const QString& text) {
        return text.contains(QLatin1String("inf"), Qt::CaseInsensitive) ||
               text.contains(QLatin1String("nan"), Qt::CaseInsensitive);
    };
    for (const QLineEdit* e : form->findChildren<QLineEdit*>())
        EXPECT_FALSE(bad(e->text())) << qPrintable(form->objectName() + u' ' + e->objectName() + u' ' +
                                                   e->text());
    for (const QLabel* l : form->findChildren<QLabel*>())
        EXPECT_FALSE(bad(l->text())) << qPrintable(form->objectName() + u' ' + l->objectName() + u' ' +
                                                   l->text());
}
