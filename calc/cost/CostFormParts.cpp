#include "calc/cost/CostFormParts.h"

#include "common/Prompt.h"
#include "common/StringTable.h"
#include "common/ui/FormBase.h"
#include "common/ui/LabelClick.h"
#include "platform/ContactLinks.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace costparts {

QWidget* columns(FormBase* form, const QString& pictureName, const QString& resource, int width) {
    auto* layout = new QHBoxLayout(form);
    auto* left = new QWidget(form);
    new QVBoxLayout(left);
    layout->addWidget(left, 0, Qt::AlignTop);
    if (!pictureName.isEmpty())
        layout->addWidget(ui::makePicture(form, pictureName, resource, width), 0, Qt::AlignTop);
    return left;
}

std::vector<std::vector<ui::Cell>> fieldRows(ui::InputFields fields, std::span<const UnitText> unitTexts) {
    std::vector<std::vector<ui::Cell>> rows = ui::inputRows(fields, false);
    for (std::size_t i = 0; i < fields.size(); ++i) {
        for (const UnitText& u : unitTexts) {
            if (qstrcmp(u.field, fields[i].field) == 0)
                rows[i][2] = ui::label(fields[i].unitLabelName(), u.textId);
        }
    }
    return rows;
}

ui::Cell literalButton(const char* name, const char* caption) {
    ui::Cell c = ui::button(QString::fromLatin1(name), 0);
    c.text = QString::fromUtf8(caption);
    return c;
}

void addContactLinks(QWidget* column, const char* webLabel, const char* mailLabel) {
    QLabel* web =
        ui::makeLiteral(column, QString::fromLatin1(webLabel), contactlinks::publisherWebPage().host());
    QLabel* mail =
        ui::makeLiteral(column, QString::fromLatin1(mailLabel), contactlinks::publisherMail().path());
    for (QLabel* l : {web, mail}) {
        l->setStyleSheet(QStringLiteral("color: #0000ff; text-decoration: underline;"));
        column->layout()->addWidget(l);
    }
    ui::onLabelClick(web, [] { contactlinks::openPublisherWebPage(); });
    ui::onLabelClick(mail, [] { contactlinks::composePublisherMail(); });
}

void wireWeightWindow(FormBase* form, ui::InputFields fields, const WeightButtons& buttons,
                      std::function<void()> calculate) {
    form->declare(ui::fieldNames(fields));
    form->attachInputArray(QStringLiteral("Text1"));
    if (buttons.focusFirstField)
        form->setFirstField(form->field(QStringLiteral("Text1_0")));
    const QString calculateName = QString::fromLatin1(buttons.calculate);
    form->setDefaultButton(form->button(calculateName));
    form->onClick(calculateName, std::move(calculate));
    form->onClick(QString::fromLatin1(buttons.reset), [form, fields, results = buttons.results] {
        ui::resetFields(form, fields);
        form->clearFields(results);
    });
    form->onClick(QString::fromLatin1(buttons.exit), [form] { form->close(); });
}

void fillList(FormBase* form, const QString& list, const QStringList& items, int selected) {
    QComboBox* box = form->comboBox(list);
    box->clear();
    box->addItems(items);
    box->setCurrentIndex(selected);
}

bool requireCaptionAlone(FormBase* form, ui::InputFields fields) {
    for (const ui::InputField& f : fields) {
        if (f.need == ui::Need::Required && form->isEmpty(QString::fromLatin1(f.field))) {
            prompt::inform(form, StringTable::text(f.requiredMessageId()));
            return false;
        }
    }
    return true;
}

} // namespace costparts
