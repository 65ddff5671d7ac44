#include "gui/app/channel_commands.h"

#include "gui/base/document_signals.h"
#include "gui/app/frm_main.h"
#include "gui/base/widget_helpers.h"
#include "gui/channels/channel_edit_commands.h"
#include "gui/channels/frm_ch_info_edit.h"
#include "gui/channels/frm_comm_ch_info.h"

#include <QAction>
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

ChannelEditCommands* activeCommands(frmMain& main)
{
    QMdiSubWindow* sub = main.mdiArea()->activeSubWindow();
    auto* window = sub ? qobject_cast<frmCommChInfo*>(sub->widget()) : nullptr;
    return window ? window->findChild<ChannelEditCommands*>() : nullptr;
}

// The toolbar keys of the commands, in the order of ChannelEditCommands::Id
// (the channel edit dialog has no button).
const char* const ToolbarKeys[] = {"BtnCHCut",    "BtnCHCopy",   "BtnCHPaste",    "BtnCHInsert",
                                   "BtnCHDelete", "BtnCHMoveUp", "BtnCHMoveDown", nullptr};

template <typename Each>
void forEachCommandAction(frmMain& main, Each each)
{
    for (int i = 0; i < ChannelEditCommands::IdCount; ++i) {
        const auto id = static_cast<ChannelEditCommands::Id>(i);
        each(id, main.chEditAction(i));
        if (ToolbarKeys[i])
            each(id, main.toolbarAction(QString::fromLatin1(ToolbarKeys[i])));
    }
}

void refreshEnabled(frmMain& main)
{
    ChannelEditCommands* commands = activeCommands(main);
    forEachCommandAction(main, [commands](ChannelEditCommands::Id id, QAction* action) {
        action->setEnabled(commands && commands->isEnabled(id));
    });
}

// The channel menu and toolbar run the commands of the active channel
// window. Their keys are shown in the menu but act on the grid only.
void connectEditActions(frmMain& main)
{
    forEachCommandAction(main, [&main](ChannelEditCommands::Id id, QAction* action) {
        if (action == main.chEditAction(static_cast<int>(id))) {
            action->setShortcut(ChannelCommandKey(id));
            action->setShortcutContext(Qt::WidgetShortcut);
        }
        QObject::connect(action, &QAction::triggered, &main, [&main, id] {
            if (ChannelEditCommands* commands = activeCommands(main))
                commands->run(id);
        });
    });
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
            auto* commands = new ChannelEditCommands(*window, doc, main.notifier());
            QObject::connect(commands, &ChannelEditCommands::enabledChanged, &main, [&main] { refreshEnabled(main); });
            return window;
        });
    });
    main.addCommitHook([&main] {
        if (frmCommChInfo* window = openWindow<frmCommChInfo>(main, WindowName))
            window->EndGridEdit();
        if (FrmCHInfoEdit* dialog = openWindow<FrmCHInfoEdit>(main, EditDialogName))
            dialog->commitPendingEdits();
    });
    connectEditActions(main);
    QObject::connect(main.mdiArea(), &QMdiArea::subWindowActivated, &main, [&main](QMdiSubWindow* sub) {
        main.ShowCHInfo(sub && sub->widget() && sub->widget()->objectName() == WindowName);
        refreshEnabled(main);
    });
}
