#include "gui/app/link_commands.h"

#include "gui/app/frm_main.h"
#include "gui/app/link_controller.h"

LinkController* registerLinkCommands(frmMain& main, Document& doc)
{
    auto* link = new LinkController(main, doc, &main);
    main.registerCommand(Command::ReadFromRadio, [link] { link->readFromRadio(); });
    main.registerCommand(Command::WriteToRadio, [link] { link->writeToRadio(); });
    main.registerCommand(Command::LocalInfo, [link] { link->readRadioInfo(); });
    main.registerCommand(Command::CommSet, [link] { link->setCommPort(); });
    main.addExitHook([link] { link->programEnding(); });
    return link;
}
