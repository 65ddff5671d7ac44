#include "document_fixture.h"

#include "core/app/read_backup.h"

#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace {

class ReadBackup : public DocumentFixture {
protected:
    void SetUp() override
    {
        DocumentFixture::SetUp();
        m_dir = std::filesystem::temp_directory_path() / ("brisko7_backup_" + std::to_string(::getpid()));
        std::filesystem::remove_all(m_dir);
    }
    void TearDown() override { std::filesystem::remove_all(m_dir); }

    std::string folder() const { return (m_dir / "backups").string(); }

    std::filesystem::path m_dir;
    // 2026-12-08 14:15:02 in the local time zone.
    static std::time_t when()
    {
        std::tm t{};
        t.tm_year = 126;
        t.tm_mon = 11;
        t.tm_mday = 8;
        t.tm_hour = 14;
        t.tm_min = 15;
        t.tm_sec = 2;
        t.tm_isdst = -1;
        return std::mktime(&t);
    }
};

TEST_F(ReadBackup, SavesTheReadDataUnderItsTimeWithoutTouchingTheDocument)
{
    auto doc = newDocument(1);
    doc->ChannelList[0].TSQ = 1;  // as read: differs from the saved state
    const std::string name = doc->DocFileName;
    const BackupResult b = SaveReadBackup(*doc, folder(), when());
    ASSERT_TRUE(b.ok()) << b.reason;
    EXPECT_EQ(std::filesystem::path(b.path).filename(), "2026-12-08_141502_BRISKO7_HF.dat");
    EXPECT_EQ(doc->DocFileName, name);
    EXPECT_TRUE(doc->IsUntitled);
    EXPECT_NE(doc->Base.Channels[0], doc->ChannelList[0]);

    auto opened = newDocument(0);
    SilentNotifier quiet;
    ASSERT_EQ(OpenDocument(*opened, b.path, quiet).outcome, OpenOutcome::Opened);
    EXPECT_EQ(opened->BandMode, 1);
    EXPECT_EQ(channels(*opened), channels(*doc));
}

TEST_F(ReadBackup, KeepsOnlyTheNewestAndNeverOverwrites)
{
    auto doc = newDocument(0);
    for (int i = 0; i < 3; ++i)
        ASSERT_TRUE(SaveReadBackup(*doc, folder(), when() - 60 + i, 3).ok());
    ASSERT_TRUE(SaveReadBackup(*doc, folder(), when(), 3).ok());
    ASSERT_TRUE(SaveReadBackup(*doc, folder(), when(), 3).ok());
    std::ofstream(folder() + "/my notes.dat") << "kept";
    EXPECT_EQ(ListBackups(folder()),
              (std::vector<std::string>{"2026-12-08_141404_BRISKO7_CB.dat", "2026-12-08_141502_BRISKO7_CB.dat",
                                        "2026-12-08_141502_BRISKO7_CB_2.dat"}));
    EXPECT_TRUE(std::filesystem::exists(folder() + "/my notes.dat"));
}

TEST_F(ReadBackup, AFolderThatCannotBeMadeIsReportedWithItsReason)
{
    std::filesystem::create_directories(m_dir);
    std::ofstream(folder()) << "a file where the folder should be";
    const BackupResult b = SaveReadBackup(*newDocument(0), folder(), when());
    EXPECT_FALSE(b.ok());
    EXPECT_FALSE(b.reason.empty());
}

}  // namespace
