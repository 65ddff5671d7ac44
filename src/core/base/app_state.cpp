#include "core/base/app_state.h"

#include "core/base/file_save.h"
#include "core/base/ini_file.h"
#include "core/base/languages.h"
#include "core/base/paths.h"

#include <charconv>
#include <filesystem>
#include <fstream>
#include <unistd.h>
#include <vector>

namespace {

const char* const SetupSection = "language";

bool parseInt(const std::string& text, int& out)
{
    if (text.empty())
        return false;
    const char* first = text.data();
    const char* last = text.data() + text.size();
    if (*first == '+')
        ++first;
    auto [ptr, ec] = std::from_chars(first, last, out);
    return ec == std::errc() && ptr == last;
}

bool parseBool(const std::string& text, bool fallback)
{
    std::string t;
    for (char c : text)
        t += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (t == "true")
        return true;
    if (t == "false")
        return false;
    int n = 0;
    if (parseInt(t, n))
        return n != 0;
    return fallback;
}

// The user's copy of a configuration file wins; the installation's own is used
// when it can be written.
std::string writableOrUserCopy(const std::string& installed, const std::string& fileName)
{
    const std::string user = Paths::join(Paths::userConfigFolder(), fileName);
    if (Paths::fileExists(user))
        return user;
    // A folder that does not exist yet counts as writable when it can be created.
    std::filesystem::path folder = std::filesystem::path(installed).parent_path();
    std::error_code ec;
    while (!folder.empty() && !std::filesystem::exists(folder, ec) && folder != folder.parent_path())
        folder = folder.parent_path();
    // A save writes a new file beside the old one and renames it, so the
    // folder must take new files too.
    const bool writable = Paths::folderWritable(folder.string())
        && (!Paths::fileExists(installed) || ::access(installed.c_str(), W_OK) == 0);
    if (writable)
        return installed;
    std::filesystem::create_directories(Paths::userConfigFolder(), ec);
    if (Paths::fileExists(installed)) {
        std::filesystem::copy_file(installed, user, ec);
        // The installed copy is read-only; the user's copy must take changes.
        std::filesystem::permissions(user, std::filesystem::perms::owner_read | std::filesystem::perms::owner_write,
                                     std::filesystem::perm_options::add, ec);
    }
    return user;
}

}  // namespace

AppState& AppState::instance()
{
    static AppState state;
    return state;
}

void AppState::setProgramFolder(const std::string& programFolder)
{
    ProgramFolder = programFolder;
    ConfigRoot = Paths::configRootOf(programFolder);
}

std::string AppState::languageFilePath() const
{
    return Paths::join(Paths::join(ProgramFolder, "language"), LanguageFile);
}

std::string AppState::setupFilePath() const
{
    return writableOrUserCopy(Paths::join(Paths::join(ConfigRoot, "language"), "mysetup.ini"), "mysetup.ini");
}

std::string AppState::settingsRecordPath() const
{
    return writableOrUserCopy(Paths::join(ProgramFolder, "Setting.ini"), "Setting.ini");
}

std::string AppState::versionListPath() const
{
    return Paths::join(ConfigRoot, "Version.ini");
}

std::string AppState::initFolder() const
{
    return Paths::join(ProgramFolder, "Init");
}

std::vector<std::string> AppState::initFolders() const
{
    return {Paths::join(Paths::userDataFolder(), "Init"), initFolder()};
}

std::string AppState::languageFileFor(int languageId)
{
    const Language* language = FindLanguage(languageId);
    return language ? language->file : Languages().front().file;
}

std::int16_t AppState::languageIdForLocale(const std::string& localeName)
{
    return LanguageIdForLocale(localeName);
}

bool AppState::languageInstalled(int languageId) const
{
    const Language* language = FindLanguage(languageId);
    return language && Paths::fileExists(Paths::join(Paths::join(ProgramFolder, "language"), language->file));
}

std::int16_t AppState::installedLanguageForLocale(const std::string& localeName) const
{
    const std::int16_t id = languageIdForLocale(localeName);
    return languageInstalled(id) ? id : Languages().front().id;
}

void AppState::setLanguage(std::int16_t id)
{
    LanguageId = id;
    LanguageFile = languageFileFor(id);
}

void AppState::loadSetupFile()
{
    const std::string path = setupFilePath();
    ComPort = 1;
    const bool firstRun = parseBool(IniFile::read(path, SetupSection, "IsFirstRun", "1"), true);
    int port = 1;
    if (parseInt(IniFile::read(path, SetupSection, "comPort", "1"), port) && port >= 1 && port <= 32767)
        ComPort = static_cast<std::int16_t>(port);
    // A choice stored by a newer installation sharing this setup file, in a
    // language this one lacks, is left for that installation to find.
    bool keepSavedLanguage = false;
    if (firstRun) {
        IniFile::write(path, SetupSection, "IsFirstRun", "0");
    } else {
        int saved = 0;
        if (parseInt(IniFile::read(path, SetupSection, "CurrentLanguage"), saved)) {
            // English is what every installation falls back to.
            if (saved == Languages().front().id || languageInstalled(saved))
                setLanguage(static_cast<std::int16_t>(saved));
            else
                keepSavedLanguage = saved > 0;
        }
    }
    IniFile::write(path, SetupSection, "comPort", std::to_string(ComPort));
    if (!keepSavedLanguage)
        IniFile::write(path, SetupSection, "CurrentLanguage", std::to_string(LanguageId));
}

void AppState::saveLanguageChoice()
{
    IniFile::write(setupFilePath(), SetupSection, "CurrentLanguage", std::to_string(LanguageId));
}

void AppState::saveComPort()
{
    IniFile::write(setupFilePath(), SetupSection, "comPort", std::to_string(ComPort));
}

void AppState::readSettingsRecord()
{
    SettingsRecord = {0, 0, 0, 1};
    std::ifstream in(settingsRecordPath(), std::ios::binary);
    std::array<char, 4> bytes{};
    if (in && in.read(bytes.data(), bytes.size()) && in.gcount() == 4) {
        for (std::size_t i = 0; i < 4; ++i)
            SettingsRecord[i] = static_cast<std::uint8_t>(bytes[i]);
    }
}

bool AppState::writeSettingsRecord() const
{
    const std::string path = settingsRecordPath();
    // Keep anything after the first record as it was.
    std::string rest;
    {
        std::ifstream in(path, std::ios::binary);
        if (in) {
            std::string all((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
            if (all.size() > 4)
                rest = all.substr(4);
        }
    }
    std::vector<std::uint8_t> bytes(SettingsRecord.begin(), SettingsRecord.end());
    bytes.insert(bytes.end(), rest.begin(), rest.end());
    return WriteFileWhole(path, bytes);
}
