#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

// The program-wide state of start-up and configuration: folders, language,
// port number, platform flags and the settings record. One instance lives for
// the whole run; tests may reset it.
class AppState {
public:
    static AppState& instance();

    // Folders: the program folder holds the executables, the configuration
    // root is its parent and is shared by side-by-side installed versions.
    std::string ProgramFolder;
    std::string ConfigRoot;

    std::int16_t LanguageId = 1;         // a number of the language table (languages.h)
    std::int16_t AppliedLanguageId = 1;  // language the main window currently shows
    std::string LanguageFile = "english.ini";
    std::int16_t ComPort = 1;
    bool IsNt60 = false;
    bool HelpAvailable = false;
    std::array<std::uint8_t, 4> SettingsRecord{0, 0, 0, 1};
    std::string AppTitle;

    // The password last entered in the password dialog; never stored.
    std::string ProgPassword;
    bool PasswordEntered = false;

    // Sets both folders from the program folder.
    void setProgramFolder(const std::string& programFolder);

    std::string languageFilePath() const;
    // The setup file: the installation's own when it can be written, else the
    // user's copy in the user's configuration folder (which then wins).
    std::string setupFilePath() const;
    std::string settingsRecordPath() const;
    std::string versionListPath() const;
    // The installation's own "Init" folder of default documents.
    std::string initFolder() const;
    // Where default documents are looked for, file by file in this order: the
    // user's "Init" folder in the user's data folder, then the installation's.
    std::vector<std::string> initFolders() const;

    // The file of a language number; English for a number this program does not know.
    static std::string languageFileFor(int languageId);
    // Language of a locale name such as "zh_CN" or "de_DE" (languages.h), else 1.
    static std::int16_t languageIdForLocale(const std::string& localeName);
    // Whether this installation has the language's file in its program folder.
    bool languageInstalled(int languageId) const;
    // The first-run choice: the locale's language when its file is installed,
    // else English.
    std::int16_t installedLanguageForLocale(const std::string& localeName) const;

    void setLanguage(std::int16_t id);

    // Start-up steps 7 to 11: port and language from the setup file, which is
    // created or completed with the defaults when needed. A saved language
    // this installation does not have keeps the locale's choice and stays in
    // the setup file for the installation that stored it.
    void loadSetupFile();
    void saveLanguageChoice();
    void saveComPort();

    // The 4-byte settings record, read at start and written back at exit.
    void readSettingsRecord();
    bool writeSettingsRecord() const;
};
