#pragma once
// One instance per window class, created on first use and deleted on close.
//
// Windows register a factory under their class name ("Form8"); commands open them by that
// name, so the command list can name windows whose code lives in any library. Other windows
// are only ever held through QPointer: a closed window simply reads as absent.

#include <QPointer>
#include <QString>
#include <QStringList>
#include <functional>

class FormBase;

class FormRegistry {
public:
    using Factory = std::function<FormBase*()>;

    static bool registerForm(const QString& className, Factory factory);
    static bool isRegistered(const QString& className);
    static QStringList registeredForms();

    // ShowFormCommand: creates the window if needed, shows it modeless and activates it.
    // Returns nullptr (and does nothing) for a class that no library provides yet.
    static FormBase* show(const QString& className);

    // Loads the window without showing it (another window is about to write into it).
    static FormBase* load(const QString& className);

    // The loaded instance, or nullptr.
    static FormBase* find(const QString& className);

    // Reading a control of a window that is not loaded gives the empty text and loads nothing.
    static QString readText(const QString& className, const QString& controlName);

    // Writes into a control, loading the window hidden when needed.
    static void writeText(const QString& className, const QString& controlName, const QString& text);

    // ModeSwitchCommand: shows the counterpart and closes the current window. Does nothing
    // while the counterpart does not exist in the program.
    static void switchTo(FormBase* current, const QString& counterpart);

    // Every loaded window, in the order of loading.
    static QList<FormBase*> loaded();

    // Closes every loaded window but the one named.
    static void closeAllExcept(const QString& className = {});
};

#define SPIRELTA_REGISTER_FORM(Class)                                                                        \
    namespace {                                                                                              \
    const bool registered##Class =                                                                           \
        FormRegistry::registerForm(QStringLiteral(#Class), [] { return new Class; });                        \
    }
