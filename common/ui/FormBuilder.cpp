#include "common/ui/FormBuilder.h"

#include "common/StringTable.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>

namespace ui {

static Cell make(Cell::Kind kind, const QString& name, int textId = 0, const QString& text = {}) {
    Cell c;
    c.kind = kind;
    c.name = name;
    c.textId = textId;
    c.text = text;
    return c;
}

Cell label(const QString& name, int textId, int columnSpan) {
    Cell c = make(Cell::Label, name, textId);
    c.columnSpan = columnSpan;
    return c;
}

Cell literal(const QString& name, const QString& text, int columnSpan) {
    Cell c = make(Cell::Label, name, 0, text);
    c.columnSpan = columnSpan;
    return c;
}

Cell unit(const QString& name, const QString& text, int columnSpan) {
    return literal(name, text, columnSpan);
}

Cell unitOf(const QString& field, const QString& text) {
    return literal(QStringLiteral("Unit_") + field, text);
}

Cell mark(const QString& name, bool required) {
    return colored(label(name, required ? 1368 : 1377),
                   required ? QStringLiteral("#ff0000") : QStringLiteral("#0000ff"));
}

Cell edit(const QString& name, const QString& text) {
    return make(Cell::Edit, name, 0, text);
}

Cell result(const QString& name, const QString& text) {
    return make(Cell::ReadOnly, name, 0, text);
}

Cell combo(const QString& name, const QStringList& items) {
    Cell c = make(Cell::Combo, name);
    c.items = items;
    return c;
}

Cell button(const QString& name, int textId, int columnSpan) {
    Cell c = make(Cell::Button, name, textId);
    c.columnSpan = columnSpan;
    return c;
}

Cell widget(QWidget* w, int columnSpan) {
    Cell c = make(Cell::Widget, {});
    c.widget = w;
    c.columnSpan = columnSpan;
    return c;
}

Cell gap(int columnSpan) {
    Cell c;
    c.columnSpan = columnSpan;
    return c;
}

Cell colored(Cell cell, const QString& color) {
    cell.color = color;
    return cell;
}

Cell link(const QString& name, int textId, int columnSpan) {
    return colored(label(name, textId, columnSpan), QStringLiteral("#0000ff"));
}

Cell heading(const QString& name, int textId, int columnSpan) {
    return colored(label(name, textId, columnSpan), QStringLiteral("#800000"));
}

Cell spanning(Cell cell, int columns) {
    cell.columnSpan = columns;
    return cell;
}

static QString caption(const Cell& c) {
    return c.textId ? StringTable::text(c.textId) : c.text;
}

static QWidget* create(QWidget* parent, const Cell& c) {
    switch (c.kind) {
    case Cell::Empty:
        return nullptr;
    case Cell::Label: {
        QLabel* l = makeLiteral(parent, c.name, caption(c));
        if (!c.color.isEmpty())
            l->setStyleSheet(QStringLiteral("color: %1").arg(c.color));
        return l;
    }
    case Cell::Edit:
        return makeEdit(parent, c.name, c.text);
    case Cell::ReadOnly: {
        QLineEdit* e = makeEdit(parent, c.name, c.text);
        e->setReadOnly(true);
        return e;
    }
    case Cell::Combo:
        return makeCombo(parent, c.name, c.items);
    case Cell::Button: {
        QPushButton* b = makeButton(parent, c.name, 0);
        b->setText(caption(c));
        return b;
    }
    case Cell::Widget:
        if (c.widget)
            c.widget->setParent(parent);
        return c.widget;
    }
    return nullptr;
}

QGridLayout* grid(QWidget* parent, const std::vector<std::vector<Cell>>& rows) {
    auto* layout = new QGridLayout;
    int r = 0;
    for (const auto& row : rows) {
        int column = 0;
        for (const Cell& c : row) {
            if (QWidget* w = create(parent, c))
                layout->addWidget(w, r, column, 1, c.columnSpan);
            column += c.columnSpan;
        }
        ++r;
    }
    if (QLayout* existing = parent->layout()) {
        if (auto* box = qobject_cast<QBoxLayout*>(existing))
            box->addLayout(layout);
        else if (auto* g = qobject_cast<QGridLayout*>(existing))
            g->addLayout(layout, g->rowCount(), 0, 1, -1);
    } else {
        parent->setLayout(layout);
    }
    return layout;
}

QGridLayout* grid(QWidget* parent, std::initializer_list<std::vector<Cell>> rows) {
    return grid(parent, std::vector<std::vector<Cell>>(rows));
}

QLabel* makeLabel(QWidget* parent, const QString& name, int textId) {
    return makeLiteral(parent, name, StringTable::text(textId));
}

QLabel* makeLiteral(QWidget* parent, const QString& name, const QString& text) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(name);
    return l;
}

QLineEdit* makeEdit(QWidget* parent, const QString& name, const QString& text) {
    auto* e = new QLineEdit(text, parent);
    e->setObjectName(name);
    return e;
}

QComboBox* makeCombo(QWidget* parent, const QString& name, const QStringList& items, bool editable) {
    auto* c = new QComboBox(parent);
    c->setObjectName(name);
    c->setEditable(editable);
    c->setInsertPolicy(QComboBox::NoInsert);
    c->addItems(items);
    if (!items.isEmpty())
        c->setCurrentIndex(0);
    return c;
}

QPushButton* makeButton(QWidget* parent, const QString& name, int textId) {
    auto* b = new QPushButton(textId ? StringTable::text(textId) : QString(), parent);
    b->setObjectName(name);
    b->setAutoDefault(false);
    return b;
}

QGroupBox* makeFrame(QWidget* parent, const QString& name, int textId) {
    auto* g = new QGroupBox(textId ? StringTable::text(textId) : QString(), parent);
    g->setObjectName(name);
    return g;
}

static QStringList& unloaded() {
    static QStringList paths;
    return paths;
}

QLabel* makePicture(QWidget* parent, const QString& name, const QString& resource, int maxWidth) {
    auto* l = new QLabel(parent);
    l->setObjectName(name);
    QPixmap pixmap(resource);
    if (pixmap.isNull())
        pixmap = QIcon(resource).pixmap(maxWidth > 0 ? maxWidth : 200);
    if (pixmap.isNull() && !unloaded().contains(resource))
        unloaded().append(resource);
    if (maxWidth > 0 && pixmap.width() > maxWidth)
        pixmap = pixmap.scaledToWidth(maxWidth, Qt::SmoothTransformation);
    l->setPixmap(pixmap);
    return l;
}

QStringList unloadedPictures() {
    return unloaded();
}

void clearUnloadedPictures() {
    unloaded().clear();
}

} // namespace ui
