// Every command of the main window's menus, popup menu, toolbar and hot spots leads somewhere in
// the program as this test program links it (the same window libraries as the program). The
// command list names its windows by class and the registry is asked only at click time, so a
// misspelt class would make its entry do nothing, without a message and without failing any
// test that copies the name.

#include "common/ui/FormRegistry.h"
#include "shell/CommandList.h"
#include "shell/ProgramCommands.h"

#include <QStringList>
#include <gtest/gtest.h>

namespace {

// One command as a click issues it: the target is resolved the way the main window resolves it,
// by control name or toolbar index, not read from the entry.
struct Issued {
    QString entry; // where it is clicked, for the message
    commands::Target::Kind kind;
    QString name; // window class or program command
};

Issued byControl(const QString& entry, const char* control) {
    const commands::Target target = commands::targetOf(QString::fromLatin1(control));
    return {entry + QString::fromLatin1(control), target.kind, QString::fromLatin1(target.name)};
}

std::vector<Issued> everyIssuedCommand() {
    std::vector<Issued> issued;
    auto addItems = [&](const commands::Menu& menu) {
        const QString entry = QStringLiteral("menu %1, item ").arg(QString::fromLatin1(menu.control));
        for (const commands::MenuItem& item : menu.items)
            if (!item.isSeparator())
                issued.push_back(byControl(entry, item.control));
    };
    for (const commands::Menu& menu : commands::menuBar()) {
        if (menu.items.empty())
            issued.push_back(byControl(QStringLiteral("menu bar command "), menu.control));
        addItems(menu);
    }
    addItems(commands::popMenu());
    for (const commands::ToolbarButton& button : commands::toolbar())
        issued.push_back({QStringLiteral("toolbar button %1").arg(button.index), commands::Target::Window,
                          commands::toolbarTarget(button.index)});
    for (const commands::HotSpot& spot : commands::hotSpots())
        issued.push_back(byControl(QStringLiteral("hot spot "), spot.control));
    return issued;
}

// What is wrong with the command, or an empty text. An entry the list declares to do nothing
// (the popup menu's mail item) and the exit question are the program's own.
QString problem(const Issued& command) {
    switch (command.kind) {
    case commands::Target::Window:
        if (!FormRegistry::isRegistered(command.name))
            return QStringLiteral("%1 opens %2, which no window library of the program registers")
                .arg(command.entry, command.name);
        break;
    case commands::Target::Program:
        if (!ProgramCommands::isRegistered(command.name))
            return QStringLiteral("%1 runs the program command %2, which nobody registers")
                .arg(command.entry, command.name);
        break;
    case commands::Target::Exit:
    case commands::Target::Nothing:
        break;
    }
    return {};
}

TEST(CommandTargets, EveryMenuToolbarAndHotSpotCommandReachesARegisteredWindowOrCommand) {
    const std::vector<Issued> issued = everyIssuedCommand();
    ASSERT_FALSE(issued.empty());
    QStringList problems;
    for (const Issued& command : issued)
        if (const QString p = problem(command); !p.isEmpty())
            problems.append(p);
    EXPECT_TRUE(problems.isEmpty()) << qPrintable(problems.join(QLatin1Char('\n')));
}

} // namespace
