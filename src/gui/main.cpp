// The desktop program: start-up, splash window, main window.

#include "app/app_state.h"
#include "app/fallback_icons.h"
#include "app/frm_main.h"
#include "app/frm_splash.h"
#include "app/start_up.h"
#include "app/toolkit_language.h"
#include "editors/opt_feature_command.h"
#include "link/link_commands.h"
#include "model/document.h"

#include <QApplication>
#include <QLocale>

#include <memory>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("brisko7"));
    QApplication::setApplicationName(QStringLiteral("brisko7"));
    ChooseIconTheme();
    QApplication::setWindowIcon(treeIcon(true));

    // The one document of this run; every window works on it.
    Document doc;
    StartUpBeforeSplash(doc, StartUpInput{QApplication::applicationDirPath().toStdString(),
                                          QLocale::system().name().toStdString()});
    ApplyToolkitLanguage(AppState::instance().LanguageId);

    std::unique_ptr<frmMain> mainWindow;
    frmSplash splash(QString::fromStdString(SplashPicturePath()), [&] {
        mainWindow = std::make_unique<frmMain>(doc);
        registerLinkCommands(*mainWindow, doc);
        registerOptFeatures(*mainWindow, doc);
        mainWindow->show();
    });
    splash.show();
    StartUpAfterSplash();

    return app.exec();
}
