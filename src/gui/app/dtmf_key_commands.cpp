#include "gui/app/dtmf_key_commands.h"

#include "gui/app/frm_main.h"
#include "gui/base/widget_helpers.h"
#include "gui/editors/frm_dtmf.h"
#include "gui/editors/frm_key.h"

#include <QMdiSubWindow>

void registerDtmfAndKeys(frmMain& main, Document& doc)
{
    const QString dtmfName = QString::fromLatin1(FrmDTMF::FormName);
    main.registerCommand(Command::Dtmf, [&main, &doc, dtmfName] {
        ShowChildForm(main.mdiArea(), dtmfName, [&doc] { return new FrmDTMF(doc); });
    });
    main.addCommitHook([&main, dtmfName] {
        if (QMdiSubWindow* open = FindChildForm(main.mdiArea(), dtmfName))
            static_cast<FrmDTMF*>(open->widget())->commitPendingEdits();
    });
    const QString keyName = QString::fromLatin1(FrmKey::FormName);
    main.registerCommand(Command::Key, [&main, &doc, keyName] {
        ShowChildForm(main.mdiArea(), keyName, [&doc] { return new FrmKey(doc); });
    });
}
