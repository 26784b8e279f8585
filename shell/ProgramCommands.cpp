#include "shell/ProgramCommands.h"

#include <QHash>

namespace {

QHash<QString, ProgramCommands::Command>& table() {
    static QHash<QString, ProgramCommands::Command> commands;
    return commands;
}

} // namespace

bool ProgramCommands::registerCommand(const QString& name, Command command) {
    if (command)
        table().insert(name, std::move(command));
    else
        table().remove(name);
    return true;
}

bool ProgramCommands::isRegistered(const QString& name) {
    return table().contains(name);
}

ProgramCommands::Command ProgramCommands::find(const QString& name) {
    return table().value(name);
}

bool ProgramCommands::run(const QString& name, QWidget* mainWindow) {
    // A copy, so a command that registers or removes commands cannot pull the rug.
    const Command command = find(name);
    if (!command)
        return false;
    command(mainWindow);
    return true;
}
