#include "core/base/app_state.h"
#include "core/base/ini_file.h"
#include "core/base/paths.h"
#include "test_support.h"
#include "../support/shipped_languages.h"
#include "../support/unprivileged.h"

#include <cstdlib>
#include <fstream>

namespace {

TEST(ConfigRoot, IsTheParentOfTheProgramFolder)
{
    EXPECT_EQ(Paths::configRootOf("/opt/brisko7/V100"), "/opt/brisko7");
    EXPECT_EQ(Paths::configRootOf("/D/App/V100"), "/D/App");
    // A separator at the first position, or none at all, leaves the path as it is.
    EXPECT_EQ(Paths::configRootOf("/V100"), "/V100");
    EXPECT_EQ(Paths::configRootOf("V100"), "V100");
    EXPECT_EQ(Paths::configRootOf("a/V100"), "a");
}

TEST(ConfigRoot, FileNameIsCutAtTheLastSeparator)
{
    EXPECT_EQ(FileNameOfPath("/home/user/radio/my.dat"), "my.dat");
    EXPECT_EQ(FileNameOfPath("new.dat"), "new.dat");
    EXPECT_EQ(Paths::join("/opt/x", "V100"), "/opt/x/V100");
    EXPECT_EQ(Paths::join("/opt/x/", "V100"), "/opt/x/V100");
}

struct LocaleCase {
    const char* locale;
    int languageId;
    const char* file;
};

class LocaleLanguage : public ::testing::TestWithParam<LocaleCase> {};

TEST_P(LocaleLanguage, PicksTheLanguageOfTheSystemLocale)
{
    EXPECT_EQ(AppState::languageIdForLocale(GetParam().locale), GetParam().languageId) << GetParam().locale;
    EXPECT_EQ(AppState::languageFileFor(GetParam().languageId), GetParam().file);
}

// The forms a locale name takes; every country of a language starts in it,
// except Chinese: only the PRC locale starts in (simplified) Chinese. The first
// start under each language's locale is checked in the GUI tests.
INSTANTIATE_TEST_SUITE_P(Locales, LocaleLanguage,
                         ::testing::Values(LocaleCase{"zh_CN.UTF-8", 2, "chinese.ini"},
                                           LocaleCase{"zh-CN", 2, "chinese.ini"}, LocaleCase{"zh_TW", 1, "english.ini"},
                                           LocaleCase{"de_AT.UTF-8", 3, "german.ini"},
                                           LocaleCase{"de-CH", 3, "german.ini"},
                                           LocaleCase{"it_IT@euro", 5, "italian.ini"},
                                           LocaleCase{"fr_BE", 6, "french.ini"}, LocaleCase{"es_MX", 7, "spanish.ini"},
                                           LocaleCase{"C", 1, "english.ini"}, LocaleCase{"", 1, "english.ini"}));

TEST(LanguageNumbers, UnknownNumbersReadEnglish)
{
    EXPECT_EQ(AppState::languageFileFor(0), "english.ini");
    EXPECT_EQ(AppState::languageFileFor(8), "english.ini");
}

class SetupFileTest : public TempDirTest {
protected:
    void SetUp() override
    {
        TempDirTest::SetUp();
        m_savedState = AppState::instance();
        const char* xdg = std::getenv("XDG_CONFIG_HOME");
        m_savedXdg = xdg ? xdg : "";
        ::setenv("XDG_CONFIG_HOME", path("userconfig").c_str(), 1);
        std::filesystem::create_directories(path("root/V100"));
        AppState::instance().setProgramFolder(path("root/V100"));
    }
    void TearDown() override
    {
        AppState::instance() = m_savedState;
        if (m_savedXdg.empty())
            ::unsetenv("XDG_CONFIG_HOME");
        else
            ::setenv("XDG_CONFIG_HOME", m_savedXdg.c_str(), 1);
        TempDirTest::TearDown();
    }
    std::string setupValue(const std::string& key) const
    {
        return IniFile::read(path("root/language/mysetup.ini"), "language", key, "<none>");
    }
    AppState m_savedState;
    std::string m_savedXdg;
};

TEST_F(SetupFileTest, FirstRunOnChineseLocaleStartsInChineseAndRecordsIt)
{
    writeFile("root/language/mysetup.ini", "[language]\nIsFirstRun=1\ncomPort=1\nCurrentLanguage=1\n");
    auto& app = AppState::instance();
    app.setLanguage(AppState::languageIdForLocale("zh_CN"));
    app.loadSetupFile();
    EXPECT_EQ(app.LanguageId, 2);
    EXPECT_EQ(app.LanguageFile, "chinese.ini");
    EXPECT_EQ(setupValue("IsFirstRun"), "0");
    EXPECT_EQ(setupValue("CurrentLanguage"), "2");
}

TEST_F(SetupFileTest, SavedEnglishChoiceWinsOverTheLocale)
{
    writeFile("root/language/mysetup.ini", "[language]\nIsFirstRun=0\ncomPort=7\nCurrentLanguage=1\n");
    auto& app = AppState::instance();
    app.setLanguage(AppState::languageIdForLocale("zh_CN"));
    app.loadSetupFile();
    EXPECT_EQ(app.LanguageId, 1);
    EXPECT_EQ(app.LanguageFile, "english.ini");
    EXPECT_EQ(app.ComPort, 7);
    EXPECT_EQ(setupValue("comPort"), "7");
}

TEST_F(SetupFileTest, FalseAndTrueWordsAreUnderstood)
{
    writeFile("root/V100/language/chinese.ini", "[Main]\n12000=BRISKO7\n");
    writeFile("root/language/mysetup.ini", "[language]\nIsFirstRun=False\nCurrentLanguage=2\n");
    auto& app = AppState::instance();
    app.setLanguage(1);
    app.loadSetupFile();
    EXPECT_EQ(app.LanguageId, 2);
}

TEST_F(SetupFileTest, MissingSetupFileIsCreatedWithTheDefaults)
{
    auto& app = AppState::instance();
    app.setLanguage(1);
    app.loadSetupFile();
    EXPECT_EQ(app.ComPort, 1);
    EXPECT_EQ(setupValue("IsFirstRun"), "0");
    EXPECT_EQ(setupValue("comPort"), "1");
    EXPECT_EQ(setupValue("CurrentLanguage"), "1");
}

// A stored language this installation cannot show (a number it does not
// know, or one whose file is not installed) gives way to the locale's choice
// but stays stored, so the installation that stored it still finds it.
TEST_F(SetupFileTest, StoredLanguageItCannotShowFallsBackToTheLocaleAndStaysStored)
{
    struct Case {
        const char* stored;
        bool germanInstalled;
        int localeLanguage;
        int expectedLanguage;
    };
    for (const Case& c : {Case{"9", false, 2, 2}, Case{"3", false, 1, 1}, Case{"3", true, 1, 3}}) {
        SCOPED_TRACE(std::string("stored ") + c.stored + (c.germanInstalled ? ", german.ini installed" : ""));
        writeFile("root/language/mysetup.ini",
                  std::string("[language]\nIsFirstRun=0\nCurrentLanguage=") + c.stored + "\ncomPort=abc\n");
        std::filesystem::remove(path("root/V100/language/german.ini"));
        if (c.germanInstalled)
            writeFile("root/V100/language/german.ini", "[Main]\n12000=BRISKO7\n");
        auto& app = AppState::instance();
        app.setLanguage(c.localeLanguage);
        app.loadSetupFile();
        EXPECT_EQ(app.LanguageId, c.expectedLanguage);
        EXPECT_EQ(app.ComPort, 1);
        EXPECT_EQ(setupValue("CurrentLanguage"), c.stored);
    }
    EXPECT_EQ(AppState::instance().LanguageFile, "german.ini");
}

TEST_F(SetupFileTest, LocaleWhoseLanguageIsNotInstalledStartsInEnglish)
{
    auto& app = AppState::instance();
    EXPECT_EQ(app.installedLanguageForLocale("pl_PL"), 1);
    InstallShippedLanguages(path("root/V100"));
    EXPECT_EQ(app.installedLanguageForLocale("pl_PL"), 4);
}

TEST_F(SetupFileTest, ReadOnlyInstallationUsesTheUsersOwnCopy)
{
    writeFile("root/language/mysetup.ini", "[language]\nIsFirstRun=0\ncomPort=4\nCurrentLanguage=1\n");
    std::filesystem::permissions(path("root/language"), std::filesystem::perms::owner_write,
                                 std::filesystem::perm_options::remove);
    std::filesystem::permissions(path("root/language/mysetup.ini"), std::filesystem::perms::owner_write,
                                 std::filesystem::perm_options::remove);
    // A system-wide installation: only an ordinary user is kept out of it.
    RunAsOrdinaryUser(m_dir, [&] {
        auto& app = AppState::instance();
        EXPECT_EQ(app.setupFilePath(), path("userconfig/brisko7/mysetup.ini"));
        app.loadSetupFile();
        EXPECT_EQ(app.ComPort, 4);  // seeded from the installed copy
        app.ComPort = 9;
        app.saveComPort();
        EXPECT_EQ(IniFile::read(path("userconfig/brisko7/mysetup.ini"), "language", "comPort"), "9");
        EXPECT_EQ(IniFile::read(path("root/language/mysetup.ini"), "language", "comPort"), "4");
    });
    std::filesystem::permissions(path("root/language"), std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add);
}

TEST_F(SetupFileTest, UsersCopyTakesPrecedenceOverTheInstalledOne)
{
    writeFile("root/language/mysetup.ini", "[language]\nIsFirstRun=0\ncomPort=4\n");
    writeFile("userconfig/brisko7/mysetup.ini", "[language]\nIsFirstRun=0\ncomPort=11\n");
    auto& app = AppState::instance();
    app.loadSetupFile();
    EXPECT_EQ(app.ComPort, 11);
}

TEST_F(SetupFileTest, SettingsRecordIsReadAndWrittenBackUnchanged)
{
    writeFile("root/V100/Setting.ini", std::string("\x05\x06\x07\x08tail", 8));
    auto& app = AppState::instance();
    app.readSettingsRecord();
    EXPECT_EQ(app.SettingsRecord, (std::array<std::uint8_t, 4>{5, 6, 7, 8}));
    ASSERT_TRUE(app.writeSettingsRecord());
    std::ifstream in(path("root/V100/Setting.ini"), std::ios::binary);
    std::string all((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_EQ(all, std::string("\x05\x06\x07\x08tail", 8));
}

// Both configuration files are replaced whole, never rewritten in place: a
// second name of the old file keeps the old bytes, so a crash in the middle
// of a write could not have torn the file.
TEST_F(SetupFileTest, SetupFileAndSettingsRecordAreReplacedWholeWhenWritten)
{
    writeFile("root/V100/Setting.ini", std::string("\x01\x02\x03\x04", 4));
    writeFile("root/language/mysetup.ini", "[language]\nIsFirstRun=0\ncomPort=2\nCurrentLanguage=1\n");
    std::filesystem::create_hard_link(path("root/V100/Setting.ini"), path("old-record"));
    std::filesystem::create_hard_link(path("root/language/mysetup.ini"), path("old-setup"));
    auto& app = AppState::instance();
    app.SettingsRecord = {9, 9, 9, 9};
    ASSERT_TRUE(app.writeSettingsRecord());
    app.ComPort = 7;
    app.saveComPort();

    EXPECT_EQ(readFile("root/V100/Setting.ini"), std::string("\x09\x09\x09\x09", 4));
    EXPECT_EQ(readFile("old-record"), std::string("\x01\x02\x03\x04", 4));
    EXPECT_EQ(setupValue("comPort"), "7");
    EXPECT_EQ(readFile("old-setup"), "[language]\nIsFirstRun=0\ncomPort=2\nCurrentLanguage=1\n");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(path("root/language")),
                            std::filesystem::directory_iterator()),
              1);
}

TEST_F(SetupFileTest, UnreadableSettingsRecordGivesTheDefaults)
{
    writeFile("root/V100/Setting.ini", "ab");
    auto& app = AppState::instance();
    app.SettingsRecord = {9, 9, 9, 9};
    app.readSettingsRecord();
    EXPECT_EQ(app.SettingsRecord, (std::array<std::uint8_t, 4>{0, 0, 0, 1}));
}

}  // namespace
