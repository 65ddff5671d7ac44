#include "gui/app/user_guide.h"

#include "core/base/app_state.h"
#include "gui/base/lang_text.h"
#include "gui/base/ui_prompts.h"
#include "lang_text_ids.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QUrl>

QString UserGuidePath(const QString& programFolder)
{
    const QStringList candidates{
        QStringLiteral(BRISKO7_GUIDE_INSTALLED),
        QDir(programFolder).absoluteFilePath(QStringLiteral("guide/index.html")),
    };
    for (const QString& candidate : candidates) {
        if (QFileInfo(candidate).isFile())
            return QDir::cleanPath(candidate);
    }
    return {};
}

void OpenUserGuide()
{
    const QString path = UserGuidePath(QString::fromStdString(AppState::instance().ProgramFolder));
    if (path.isEmpty() || !QDesktopServices::openUrl(QUrl::fromLocalFile(path)))
        UiPrompts::current().message(LangText(Txt::UserGuideNotOpened), NoticeIcon::Warning);
}
