#include "common/ui/FormRegistry.h"

#include "common/ui/FormBase.h"

#include <QLabel>
#include <QMap>
#include <QVector>

namespace {

struct Entry {
    FormRegistry::Factory factory;
    QPointer<FormBase> instance;
    quint64 loadOrder = 0;
};

QMap<QString, Entry>& entries() {
    static QMap<QString, Entry> map;
    return map;
}

quint64 nextLoadOrder = 0;

} // namespace

bool FormRegistry::registerForm(const QString& className, Factory factory) {
    entries()[className].factory = std::move(factory);
    return true;
}

bool FormRegistry::isRegistered(const QString& className) {
    return entries().contains(className);
}

QStringList FormRegistry::registeredForms() {
    return entries().keys();
}

FormBase* FormRegistry::find(const QString& className) {
    auto it = entries().find(className);
    if (it == entries().end() || !it->instance || it->instance->isClosed())
        return nullptr;
    return it->instance.data();
}

FormBase* FormRegistry::load(const QString& className) {
    auto it = entries().find(className);
    if (it == entries().end())
        return nullptr;
    if (!it->instance || it->instance->isClosed()) {
        FormBase* form = it->factory();
        try {
            form->verifyDeclared();
        } catch (...) {
            delete form;
            throw;
        }
        it->instance = form;
        it->loadOrder = ++nextLoadOrder;
    }
    return it->instance;
}

FormBase* FormRegistry::show(const QString& className) {
    FormBase* form = load(className);
    if (!form)
        return nullptr;
    if (form->isMinimized())
        form->showNormal();
    else
        form->show();
    form->raise();
    form->activateWindow();
    return form;
}

QString FormRegistry::readText(const QString& className, const QString& controlName) {
    FormBase* form = find(className);
    return form ? form->text(controlName) : QString();
}

void FormRegistry::writeText(const QString& className, const QString& controlName, const QString& text) {
    if (FormBase* form = load(className))
        form->setText(controlName, text);
}

void FormRegistry::switchTo(FormBase* current, const QString& counterpart) {
    if (!isRegistered(counterpart))
        return;
    show(counterpart);
    if (current)
        current->close();
}

QList<FormBase*> FormRegistry::loaded() {
    QVector<std::pair<quint64, FormBase*>> forms;
    for (const Entry& e : entries())
        if (e.instance && !e.instance->isClosed())
            forms.append({e.loadOrder, e.instance.data()});
    std::sort(forms.begin(), forms.end());
    QList<FormBase*> out;
    for (const auto& f : forms)
        out.append(f.second);
    return out;
}

void FormRegistry::closeAllExcept(const QString& className) {
    for (FormBase* form : loaded())
        if (form->objectName() != className)
            form->close();
}
