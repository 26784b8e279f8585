#pragma once
// Commands of the main window that start a program or act on the desktop instead of opening
// a window. The command list (CommandList.h) routes them here by control name; whoever builds
// a command registers a function under that name, and the main window looks it up at click
// time. A name nobody has registered does nothing.
//
// Names routed here:
//   jsq      calculator                 note     text editor
//   sfyj     mail client                qlxtlj   clean-up of temporary files
//   min      minimise the main window (file menu)
//   zxh      minimise the main window (popup menu)
//   help     operating-instructions document
//   qwz      publisher's web page (about menu)
//   Label11  publisher's web page (hot spot on the background picture)
//
// Register from a static initialiser of the library that implements the command:
//
//   SPIRELTA_REGISTER_PROGRAM_COMMAND(jsq, [](QWidget* mainWindow) { ... });
//
// The function receives the main window (for parenting message boxes or changing its state).

#include <QString>
#include <functional>

class QWidget;

class ProgramCommands {
public:
    using Command = std::function<void(QWidget* mainWindow)>;

    // Registers or replaces the command; an empty function removes it.
    static bool registerCommand(const QString& name, Command command);
    static bool isRegistered(const QString& name);
    // The registered command, or an empty function.
    static Command find(const QString& name);

    // Runs the command; false when none is registered under the name.
    static bool run(const QString& name, QWidget* mainWindow);
};

#define SPIRELTA_REGISTER_PROGRAM_COMMAND(Name, ...)                                                         \
    namespace {                                                                                              \
    const bool programCommand##Name = ProgramCommands::registerCommand(QStringLiteral(#Name), __VA_ARGS__);  \
    }
