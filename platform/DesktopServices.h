#pragma once
// What the desktop does for the program: open a web page, a new mail or a document with the
// handler the user chose, and start a helper program (a calculator, a text editor).
//
// Everything goes through a replaceable backend, so tests record the requests instead of
// opening browsers or starting programs on the machine that runs them.

#include <QString>
#include <QStringList>
#include <QUrl>
#include <functional>

namespace desktop {

class Backend {
public:
    virtual ~Backend() = default;
    // Hands the address to the desktop's handler; false when no handler took it.
    virtual bool openUrl(const QUrl& url) = 0;
    // Absolute path of an installed program found on the search path, or empty.
    virtual QString findProgram(const QString& name) = 0;
    // Starts the program at that path without arguments and without waiting for it.
    virtual bool startDetached(const QString& path) = 0;
    // Hands an existing local document to the desktop's handler and tells `done` whether the
    // handler opened it: at once, or later from the event loop when the desktop's opener has
    // ended.
    virtual void openDocument(const QString& path, const std::function<void(bool)>& done) {
        done(openUrl(QUrl::fromLocalFile(path)));
    }
};

// Installs the backend used from now on (not owned); nullptr restores the system one.
void setBackend(Backend* backend);

bool openUrl(const QUrl& url);

// A new mail in the desktop's mail program; without an address, an empty one.
bool composeMail(const QString& address = {});

// Opens a local document with the desktop's handler. False when the file does not exist
// (nothing is handed to the desktop then) or no handler took it.
bool openDocument(const QString& path);

// The same without waiting for the desktop: `done` learns whether the document was opened,
// false also when the desktop's opener found no program for it or failed.
void openDocument(const QString& path, const std::function<void(bool opened)>& done);

// Absolute path of the first of the programs that is installed, or an empty text.
QString findFirstInstalled(const QStringList& programNames);

// Starts a program by its absolute path, with no arguments, without waiting for it.
bool startProgram(const QString& path);

// Programs tried, in order, for the calculator and the text editor.
QStringList calculatorPrograms();
QStringList textEditorPrograms();

} // namespace desktop
