// The desktop program: command line, start-up, splash window, main window.

#include "core/base/app_state.h"
#include "gui/app/command_line.h"
#include "gui/app/fallback_icons.h"
#include "gui/app/frm_main.h"
#include "gui/app/frm_splash.h"
#include "gui/app/print_document.h"
#include "gui/app/start_up.h"
#include "gui/app/toolkit_language.h"
#include "gui/app/channel_commands.h"
#include "gui/app/dtmf_key_commands.h"
#include "gui/app/opt_feature_command.h"
#include "gui/app/tone_tips_command.h"
#include "gui/app/link_commands.h"
#include "core/model/document.h"

#include <QApplication>
#include <QLocale>

#include <cstdio>
#include <memory>

namespace {

// The command line before any application object: --help and --version need no display.
QStringList argumentsOf(int argc, char** argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

}  // namespace

int main(int argc, char** argv)
{
    const CommandLine commandLine = ParseCommandLine(argumentsOf(argc, argv));
    if (commandLine.action != CommandLine::Action::Run) {
        std::FILE* stream = commandLine.action == CommandLine::Action::Error ? stderr : stdout;
        std::fputs(commandLine.output.toLocal8Bit().constData(), stream);
        return commandLine.exitStatus();
    }

    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("brisko7"));
    QApplication::setApplicationName(QStringLiteral("brisko7"));
    ChooseIconTheme();
    QApplication::setWindowIcon(treeIcon(true));

    // The one document of this run; every window works on it.
    Document doc;
    StartUpBeforeSplash(
        doc, StartUpInput{QApplication::applicationDirPath().toStdString(), QLocale::system().name().toStdString()});
    ApplyToolkitLanguage(AppState::instance().LanguageId);

    std::unique_ptr<frmMain> mainWindow;
    frmSplash splash(QString::fromStdString(SplashPicturePath()), [&] {
        mainWindow = std::make_unique<frmMain>(doc);
        registerLinkCommands(*mainWindow, doc);
        registerChannelCommands(*mainWindow, doc);
        registerOptFeatures(*mainWindow, doc);
        registerDtmfAndKeys(*mainWindow, doc);
        registerToneTips(*mainWindow, doc);
        registerPrintCommand(*mainWindow, doc);
        for (const Command missing : mainWindow->unregisteredCommands())
            qFatal("command %d has no handler: no window registers it", static_cast<int>(missing));
        mainWindow->show();
        // The file named on the command line opens as File > Open would open
        // it; the channel window, which opens once the event loop runs, then
        // shows the file's data, or the new document when it was refused.
        if (!commandLine.file.isEmpty())
            mainWindow->openFile(commandLine.file);
    });
    splash.show();
    StartUpAfterSplash();

    return app.exec();
}
