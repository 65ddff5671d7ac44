#include "gui/app/tone_tips_command.h"

#include "gui/app/frm_main.h"
#include "gui/base/widget_helpers.h"
#include "gui/editors/frm_tone_tips.h"

#include <QMdiSubWindow>

void registerToneTips(frmMain& main, Document& doc)
{
    const QString name = QString::fromLatin1(FrmToneTips::FormName);
    main.registerCommand(Command::ToneTips, [&main, &doc, name] {
        ShowChildForm(main.mdiArea(), name, [&doc] { return new FrmToneTips(doc); });
    });
    main.addCommitHook([&main, name] {
        if (QMdiSubWindow* open = FindChildForm(main.mdiArea(), name))
            static_cast<FrmToneTips*>(open->widget())->commitPendingEdits();
    });
}
