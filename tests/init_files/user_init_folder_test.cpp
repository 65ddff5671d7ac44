#include "shipped_files.h"

#include "../support/recording_notifier.h"
#include "../support/temp_folder.h"
#include "core/base/app_state.h"
#include "core/base/paths.h"

#include <cstdlib>
#include <filesystem>
#include <optional>

namespace {

// A user's data folder and an installation, each with its own "Init" folder,
// and the environment and program state put back afterwards.
class UserInitFolder : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::filesystem::create_directories(userInit());
        std::filesystem::create_directories(installInit());
        m_savedState = AppState::instance();
        for (const char* name : {"XDG_DATA_HOME", "HOME"}) {
            const char* value = std::getenv(name);
            m_savedEnv.push_back({name, value ? std::optional<std::string>(value) : std::nullopt});
        }
    }
    void TearDown() override
    {
        AppState::instance() = m_savedState;
        for (const auto& [name, value] : m_savedEnv) {
            if (value)
                ::setenv(name.c_str(), value->c_str(), 1);
            else
                ::unsetenv(name.c_str());
        }
    }

    std::string userInit() const { return (m_dir / "data/brisko7/Init").string(); }
    std::string installInit() const { return (m_dir / "V100/Init").string(); }

    // A default file whose Beep setting tells where a new document came from;
    // beep -1 writes a file too short to be a data file.
    static void putFile(const std::string& folder, const std::string& name, int beep)
    {
        auto doc = builtInDocument(1);
        doc->Record.OptFeat.Beep = static_cast<std::int16_t>(beep);
        doc->ChannelCount = 4;
        doc->DocFileName = folder + "/" + name;
        RecordingNotifier notes;
        ASSERT_TRUE(SaveDocument(*doc, notes));
        if (beep < 0)
            std::filesystem::resize_file(doc->DocFileName, 100);
    }

    TempFolder m_temp{"init", false};
    const std::filesystem::path& m_dir = m_temp.root();
    AppState m_savedState;
    std::vector<std::pair<std::string, std::optional<std::string>>> m_savedEnv;
};

struct FilePlacement {
    const char* name;
    int userBeep;     // 0: no such file in the user's folder
    int installBeep;  // 0: no such file in the installation's
};

struct LookupCase {
    const char* what;
    std::vector<FilePlacement> files;
    int band;
    int expectedBeep;   // 0: built-in defaults
    int expectedCount;  // channels of the new document
};

const LookupCase LookupCases[] = {
    {"the user's file replaces the installation's", {{"BRISKO7_1_NEW.dat", 7, 3}}, 1, 7, 4},
    {"the installation's file stands when the user has none", {{"BRISKO7_1_NEW.dat", 0, 3}}, 1, 3, 4},
    {"a user's broken file does not hide the installation's", {{"BRISKO7_1_NEW.dat", -1, 3}}, 1, 3, 4},
    {"file by file: the installation's band file beats the user's fall-back file",
     {{"BRISKO7_1_NEW.dat", 0, 3}, {"BRISKO7_0.dat", 9, 0}},
     1,
     3,
     4},
    {"the user's fall-back file serves a band without a file", {{"BRISKO7_0.dat", 9, 5}}, 2, 9, 0},
    {"a band file broken everywhere leaves the built-in defaults, not the fall-back",
     {{"BRISKO7_1_NEW.dat", -1, -1}, {"BRISKO7_0.dat", 9, 9}},
     1,
     0,
     10},
};

TEST_F(UserInitFolder, EachDefaultFileIsLookedForInTheUsersFolderFirst)
{
    for (const LookupCase& c : LookupCases) {
        for (const auto& folder : {userInit(), installInit()}) {
            std::filesystem::remove_all(folder);
            std::filesystem::create_directories(folder);
        }
        for (const FilePlacement& f : c.files) {
            if (f.userBeep != 0)
                putFile(userInit(), f.name, f.userBeep);
            if (f.installBeep != 0)
                putFile(installInit(), f.name, f.installBeep);
        }
        Document doc;
        ASSERT_TRUE(ApplyBandMode(doc, c.band));
        InitDocument(doc, std::vector<std::string>{userInit(), installInit()});
        EXPECT_EQ(doc.Record.OptFeat.Beep, c.expectedBeep) << c.what;
        EXPECT_EQ(doc.ChannelCount, c.expectedCount) << c.what;
        EXPECT_EQ(doc.BandMode, c.band) << c.what;
    }
}

TEST_F(UserInitFolder, TheUsersFolderIsInTheUsersDataFolder)
{
    AppState::instance().setProgramFolder((m_dir / "V100").string());
    ::setenv("XDG_DATA_HOME", (m_dir / "data").c_str(), 1);
    EXPECT_EQ(AppState::instance().initFolders(), (std::vector<std::string>{userInit(), installInit()}));

    ::unsetenv("XDG_DATA_HOME");
    ::setenv("HOME", (m_dir / "home").c_str(), 1);
    EXPECT_EQ(Paths::userDataFolder(), (m_dir / "home/.local/share/brisko7").string());
}

TEST_F(UserInitFolder, ANewDocumentOfTheProgramTakesTheUsersFile)
{
    AppState::instance().setProgramFolder((m_dir / "V100").string());
    ::setenv("XDG_DATA_HOME", (m_dir / "data").c_str(), 1);
    putFile(installInit(), "BRISKO7_1_NEW.dat", 3);
    putFile(userInit(), "BRISKO7_1_NEW.dat", 7);
    Document doc;
    ASSERT_TRUE(ApplyBandMode(doc, 1));
    InitDocument(doc);
    EXPECT_EQ(doc.Record.OptFeat.Beep, 7);
}

}  // namespace
