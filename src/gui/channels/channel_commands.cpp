#include "channels/channel_commands.h"

#include "app/document_signals.h"
#include "app/frm_main.h"
#include "app/widget_helpers.h"
#include "channels/frm_comm_ch_info.h"

#include <QMdiArea>
#include <QMdiSubWindow>

namespace {

const QString WindowName = QStringLiteral("frmCommChInfo");

frmCommChInfo* channelWindow(frmMain& main)
{
    QMdiSubWindow* sub = FindChildForm(main.mdiArea(), WindowName);
    return sub ? qobject_cast<frmCommChInfo*>(sub->widget()) : nullptr;
}

}  // namespace

void registerChannelCommands(frmMain& main, Document& doc)
{
    DocumentSignals* docSignals = &main.documentSignals();
    // The channel edit dialog, once it exists, answers the window's
    // editDialogRequested here.
    main.registerCommand(Command::ChannelInfo, [&main, &doc, docSignals] {
        ShowChildForm(main.mdiArea(), WindowName, [&] { return new frmCommChInfo(doc, *docSignals, main.notifier()); });
    });
    main.addCommitHook([&main] {
        if (frmCommChInfo* window = channelWindow(main))
            window->EndGridEdit();
    });
    QObject::connect(main.mdiArea(), &QMdiArea::subWindowActivated, &main, [&main](QMdiSubWindow* sub) {
        main.ShowCHInfo(sub && sub->widget() && sub->widget()->objectName() == WindowName);
    });
}
