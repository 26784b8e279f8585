// Lists every window the program links: one line per registered class, "class<TAB>title", the
// title in English as the window sets it when it loads. scripts/make-window-index turns the
// lists of both programs into the window index.
//
// Each window is loaded hidden and offscreen, as the window tests load it: message boxes are
// answered by the recorder, the spreadsheet is the in-memory one, outputs and user data go to
// temporary folders. Nothing is clicked and no event loop runs, so no timer of a window fires.
// A title that names the output folder names it as "~/Pictures", the usual place, so that the
// list is the same on every machine.

#include "common/StringTable.h"
#include "common/ui/FormBase.h"
#include "common/ui/FormRegistry.h"
#include "platform/Database.h"
#include "platform/Folders.h"
#include "support/RecordingPrompter.h"
#include "support/RecordingSpreadsheet.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>

namespace {

// One line per window: a title never holds a tab or a line break, but a stray one must not
// break the list.
QString oneLine(QString text) {
    text.replace(QLatin1Char('\t'), QLatin1Char(' '));
    text.replace(QLatin1Char('\n'), QLatin1Char(' '));
    text.replace(QLatin1Char('\r'), QLatin1Char(' '));
    return text;
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // The main window's single-copy lock lives in the runtime folder: a running copy of the
    // program must not make it refuse. The lock is held until the program ends, so the folder
    // outlives main().
    static QTemporaryDir runtime;
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime.path()));
    QApplication app(argc, argv);
    prompt::install(&RecordingPrompter::instance());
    spreadsheet::install(&RecordingSpreadsheet::instance());
    QTemporaryDir outputs;
    folders::setOutputFolder(outputs.path());
    QTemporaryDir userData;
    Database::setUserFolder(userData.path());
    StringTable::setLanguage(Language::EnUS);

    QTextStream out(stdout);
    out.setEncoding(QStringConverter::Utf8);
    QStringList names = FormRegistry::registeredForms();
    names.sort();
    for (const QString& name : names) {
        FormBase* form = FormRegistry::load(name);
        if (!form) {
            QTextStream(stderr) << name << ": the registry made no window\n";
            return 1;
        }
        QString title = form->windowTitle();
        title.replace(QDir::toNativeSeparators(outputs.path()), QStringLiteral("~/Pictures"));
        out << name << '\t' << oneLine(title) << '\n';
    }
    FormRegistry::closeAllExcept();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    prompt::install(nullptr);
    spreadsheet::install(nullptr);
    return 0;
}
