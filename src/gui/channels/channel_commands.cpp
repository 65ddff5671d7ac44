#include "channels/channel_commands.h"

#include "app/document_signals.h"
#include "app/frm_main.h"
#include "app/widget_helpers.h"
#include "channels/frm_ch_info_edit.h"
#include "channels/frm_comm_ch_info.h"

#include <QMdiArea>
#include <QMdiSubWindow>

namespace {

const QString WindowName = QStringLiteral("frmCommChInfo");
const QString EditDialogName = QString::fromLatin1(FrmCHInfoEdit::FormName);

template <typename Window>
Window* openWindow(frmMain& main, const QString& name)
{
    QMdiSubWindow* sub = FindChildForm(main.mdiArea(), name);
    return sub ? qobject_cast<Window*>(sub->widget()) : nullptr;
}

// Opens the channel edit dialog on a channel, or brings it to the front and
// shows that channel there. A group the user picks in the dialog is shown
// in the channel window too.
void showEditDialog(frmMain& main, Document& doc, int group, int position)
{
    DocumentSignals* docSignals = &main.documentSignals();
    QMdiSubWindow* sub = ShowChildForm(main.mdiArea(), EditDialogName, [&] {
        auto* dialog = new FrmCHInfoEdit(doc, *docSignals, main.notifier());
        QObject::connect(dialog, &FrmCHInfoEdit::groupShown, &main, [&main](int shown) {
            if (frmCommChInfo* window = openWindow<frmCommChInfo>(main, WindowName))
                window->ChangeGroup(shown);
        });
        return dialog;
    });
    if (auto* dialog = qobject_cast<FrmCHInfoEdit*>(sub->widget()))
        dialog->showChannel(group, position);
}

}  // namespace

void registerChannelCommands(frmMain& main, Document& doc)
{
    DocumentSignals* docSignals = &main.documentSignals();
    main.registerCommand(Command::ChannelInfo, [&main, &doc, docSignals] {
        ShowChildForm(main.mdiArea(), WindowName, [&] {
            auto* window = new frmCommChInfo(doc, *docSignals, main.notifier());
            QObject::connect(window, &frmCommChInfo::editDialogRequested, &main,
                             [&main, &doc](int group, int position) { showEditDialog(main, doc, group, position); });
            return window;
        });
    });
    main.addCommitHook([&main] {
        if (frmCommChInfo* window = openWindow<frmCommChInfo>(main, WindowName))
            window->EndGridEdit();
        if (FrmCHInfoEdit* dialog = openWindow<FrmCHInfoEdit>(main, EditDialogName))
            dialog->commitPendingEdits();
    });
    QObject::connect(main.mdiArea(), &QMdiArea::subWindowActivated, &main, [&main](QMdiSubWindow* sub) {
        main.ShowCHInfo(sub && sub->widget() && sub->widget()->objectName() == WindowName);
    });
}
