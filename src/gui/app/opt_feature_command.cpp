#include "gui/app/opt_feature_command.h"

#include "gui/app/frm_main.h"
#include "gui/base/widget_helpers.h"
#include "gui/editors/frm_opt_features.h"

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
