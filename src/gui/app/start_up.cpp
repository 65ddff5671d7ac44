#include "gui/app/start_up.h"

#include "core/base/app_state.h"
#include "core/app/data_file.h"
#include "core/base/lang_texts.h"
#include "core/base/languages.h"
#include "core/base/paths.h"
#include "core/base/version_list.h"
#include "core/model/band_range.h"
#include "lang_text_ids.h"
#include "core/model/document.h"

#include <QLocale>

#include <clocale>

void UseCNumberLocale()
{
    // QApplication takes the user's locale for the C library; frequencies are
    // converted with "." throughout, so numbers must not follow it.
    std::setlocale(LC_NUMERIC, "C");
    QLocale::setDefault(QLocale::c());
}

void StartUpBeforeSplash(Document& doc, const StartUpInput& input)
{
    AppState& state = AppState::instance();
    state.setProgramFolder(input.programFolder);
    VersionList::instance().load(state.versionListPath());

    state.HelpAvailable = false;
    doc.InitRequest = false;

    state.setLanguage(state.installedLanguageForLocale(input.localeName));
    state.AppliedLanguageId = state.LanguageId;

    doc.ModelName = "BRISKO7";
    doc.BandRangeText = DefaultBandRangeText;
    doc.BandMode = 0;
    ParseBandRange(doc);
    state.ProgPassword.clear();
    state.PasswordEntered = false;

    UseCNumberLocale();
    // There is no Windows version to ask on this platform.
    state.IsNt60 = false;

    state.loadSetupFile();
    state.AppliedLanguageId = state.LanguageId;
    InitDocument(doc, state.initFolders());
}

void StartUpAfterSplash()
{
    AppState& state = AppState::instance();
    state.AppTitle = GetLangText(Txt::AppTitle);
    state.readSettingsRecord();
}

std::string SplashPicturePath()
{
    const AppState& state = AppState::instance();
    const Language* language = FindLanguage(state.LanguageId);
    return Paths::join(state.ProgramFolder, language ? language->splash : Languages().front().splash);
}
