// The main window's program commands, registered under the control names the command list
// routes to ProgramCommands.

#include "platform/ContactLinks.h"
#include "shell/ProgramCommandActions.h"
#include "shell/ProgramCommands.h"

SPIRELTA_REGISTER_PROGRAM_COMMAND(jsq, programcommands::startCalculator)
SPIRELTA_REGISTER_PROGRAM_COMMAND(note, programcommands::startTextEditor)
SPIRELTA_REGISTER_PROGRAM_COMMAND(sfyj, programcommands::composeMail)
SPIRELTA_REGISTER_PROGRAM_COMMAND(qlxtlj, programcommands::cleanUpTemporaryFiles)
SPIRELTA_REGISTER_PROGRAM_COMMAND(help, programcommands::openOperatingInstructions)
SPIRELTA_REGISTER_PROGRAM_COMMAND(min, programcommands::minimiseMainWindow)
SPIRELTA_REGISTER_PROGRAM_COMMAND(zxh, programcommands::minimiseMainWindow)
SPIRELTA_REGISTER_PROGRAM_COMMAND(qwz, [](QWidget*) { contactlinks::openPublisherWebPage(); })
SPIRELTA_REGISTER_PROGRAM_COMMAND(Label11, [](QWidget*) { contactlinks::openPublisherWebPage(); })
