#include "gui/app/start_handler.h"

#include "core/base/app_state.h"
#include "gui/base/lang_text.h"
#include "gui/base/ui_prompts.h"
#include "core/base/version_list.h"
#include "lang_text_ids.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QProcess>

bool StartHandler(const std::string& dataVersion)
{
    const std::string programName = QFileInfo(QCoreApplication::applicationFilePath()).fileName().toStdString();
    const std::string path = HandlerProgramPath(dataVersion, AppState::instance().ConfigRoot, programName);
    if (path.empty()) {
        UiPrompts::current().message(LangText(Txt::NoVersionForData), NoticeIcon::None);
        return false;
    }
    const QString program = QString::fromStdString(path);
    if (!QFileInfo(program).isExecutable()
        || !QProcess::startDetached(program, {}, QFileInfo(program).absolutePath())) {
        UiPrompts::current().message(LangText(Txt::OtherVersionNotStarted), NoticeIcon::Warning);
        return false;
    }
    return true;
}
