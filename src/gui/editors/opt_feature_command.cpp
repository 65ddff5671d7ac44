#include "editors/opt_feature_command.h"

#include "app/frm_main.h"
#include "app/widget_helpers.h"
#include "editors/frm_opt_features.h"

#include <QMdiSubWindow>

void registerOptFeatures(frmMain& main, Document& doc)
{
    const QString name = QString::fromLatin1(FrmOptFeatures::FormName);
    main.registerCommand(Command::OptFeature, [&main, &doc, name] {
        ShowChildForm(main.mdiArea(), name, [&doc] { return new FrmOptFeatures(doc); });
    });
    main.addCommitHook([&main, name] {
        if (QMdiSubWindow* open = FindChildForm(main.mdiArea(), name))
            static_cast<FrmOptFeatures*>(open->widget())->commitPendingEdits();
    });
}
