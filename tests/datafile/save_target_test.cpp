#include "datafile_fixture.h"
#include "core/base/file_error.h"
#include "../support/unprivileged.h"

#include "core/app/data_file.h"
#include "lang_text_ids.h"
#include "core/model/document.h"
#include "core/model/document_compare.h"

#include <sys/stat.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

// Saving replaces the file through a temporary file beside it; the file the
// user sees must still behave as if it had been written in place.
class SaveTarget : public DataFileTest {
protected:
    void SetUp() override
    {
        DataFileTest::SetUp();
        InitDocument(doc, initFolder());
        doc.Record.OptFeat.Beep = 1;  // an unsaved edit
    }
    static std::size_t entriesIn(const fs::path& dir)
    {
        std::size_t n = 0;
        for ([[maybe_unused]] const auto& e : fs::directory_iterator(dir))
            ++n;
        return n;
    }
    Document doc;
};

TEST_F(SaveTarget, AnExistingFileKeepsItsPermissions)
{
    writeBytes(path("private.dat"), std::vector<std::uint8_t>(10, 1));
    fs::permissions(path("private.dat"), fs::perms::owner_read | fs::perms::owner_write);
    doc.DocFileName = path("private.dat");
    ASSERT_TRUE(SaveDocument(doc, m_notes));
    EXPECT_EQ(fs::status(path("private.dat")).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(readBytes(path("private.dat")).size(), 25611u);
}

TEST_F(SaveTarget, SavingThroughALinkWritesTheLinkedFileAndKeepsTheLink)
{
    fs::create_directories(path("real"));
    writeBytes(path("real/radio.dat"), std::vector<std::uint8_t>(10, 1));
    fs::create_symlink(path("real/radio.dat"), path("link.dat"));
    doc.DocFileName = path("link.dat");
    ASSERT_TRUE(SaveDocument(doc, m_notes));
    EXPECT_TRUE(fs::is_symlink(path("link.dat")));
    EXPECT_EQ(readBytes(path("real/radio.dat")).size(), 25611u);
    EXPECT_EQ(entriesIn(path("real")), 1u);  // no temporary file left
    EXPECT_FALSE(IsDataChanged(doc));
}

TEST_F(SaveTarget, SavingOntoADanglingLinkCreatesTheFileItNamesAndKeepsTheLink)
{
    fs::create_directories(path("real"));
    fs::create_symlink("real/radio.dat", path("dangling.dat"));  // relative, to a file not there yet
    doc.DocFileName = path("dangling.dat");
    ASSERT_TRUE(SaveDocument(doc, m_notes));
    EXPECT_TRUE(fs::is_symlink(path("dangling.dat")));
    EXPECT_EQ(readBytes(path("real/radio.dat")).size(), 25611u);
    EXPECT_EQ(entriesIn(path("real")), 1u);
}

TEST_F(SaveTarget, ALoopOfLinksIsRefusedAndLeftAsItWas)
{
    fs::create_symlink(path("b.dat"), path("a.dat"));
    fs::create_symlink(path("a.dat"), path("b.dat"));
    doc.DocFileName = path("a.dat");
    EXPECT_FALSE(SaveDocument(doc, m_notes));
    ASSERT_EQ(m_notes.shown.size(), 1u);
    EXPECT_EQ(m_notes.shown[0].text,
              FileErrorText(Txt::DataFileAccessFailed, doc.DocFileName, "too many levels of symbolic links"));
    EXPECT_TRUE(fs::is_symlink(path("a.dat")));
    EXPECT_TRUE(fs::is_symlink(path("b.dat")));
    EXPECT_TRUE(IsDataChanged(doc));
    EXPECT_EQ(entriesIn(m_dir), 3u);  // Init and the two links
}

TEST_F(SaveTarget, ALinkThatBelongsToAnotherUserIsNotFollowed)
{
    // Only the superuser can give a link away; an ordinary user cannot plant
    // one in the name of another.
    if (::geteuid() != 0)
        GTEST_SKIP() << "needs root to make a link owned by another user";
    const std::vector<std::uint8_t> victim(10, 7);
    writeBytes(path("victim.dat"), victim);
    fs::create_symlink(path("victim.dat"), path("planted.dat"));
    ASSERT_EQ(::lchown(path("planted.dat").c_str(), 65534, 65534), 0);
    doc.DocFileName = path("planted.dat");
    EXPECT_FALSE(SaveDocument(doc, m_notes));
    ASSERT_EQ(m_notes.shown.size(), 1u);
    EXPECT_EQ(m_notes.shown[0].text, FileErrorText(Txt::ForeignLinkRefused, doc.DocFileName, ""));
    EXPECT_EQ(readBytes(path("victim.dat")), victim);
    EXPECT_TRUE(fs::is_symlink(path("planted.dat")));
    EXPECT_TRUE(IsDataChanged(doc));
}

TEST_F(SaveTarget, ANewFileGetsThePermissionsOfTheUsersMask)
{
    const mode_t old = ::umask(0027);
    doc.DocFileName = path("new.dat");
    const bool saved = SaveDocument(doc, m_notes);
    ::umask(old);
    ASSERT_TRUE(saved);
    EXPECT_EQ(fs::status(path("new.dat")).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

TEST_F(SaveTarget, AReadOnlyFileIsNotReplaced)
{
    const std::vector<std::uint8_t> old(10, 1);
    writeBytes(path("locked.dat"), old);
    fs::permissions(path("locked.dat"), fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    doc.DocFileName = path("locked.dat");
    // The superuser may replace any file; an ordinary user must not.
    RunAsOrdinaryUser(m_dir, [&] {
        EXPECT_FALSE(SaveDocument(doc, m_notes));
        ASSERT_EQ(m_notes.shown.size(), 1u);
        EXPECT_EQ(m_notes.shown[0].text,
                  FileErrorText(Txt::DataFileAccessFailed, doc.DocFileName, "permission denied"));
        EXPECT_EQ(readBytes(path("locked.dat")), old);
        EXPECT_TRUE(IsDataChanged(doc));
        EXPECT_EQ(entriesIn(m_dir), 2u);  // Init and locked.dat
    });
}

TEST_F(SaveTarget, SomethingOtherThanAFileIsNeverReplaced)
{
    ASSERT_EQ(::mkfifo(path("pipe.dat").c_str(), 0600), 0);
    doc.DocFileName = path("pipe.dat");
    EXPECT_FALSE(SaveDocument(doc, m_notes));
    ASSERT_EQ(m_notes.shown.size(), 1u);
    EXPECT_EQ(m_notes.shown[0].text, FileErrorText(Txt::DataFileAccessFailed, doc.DocFileName, ""));
    EXPECT_EQ(fs::status(path("pipe.dat")).type(), fs::file_type::fifo);
    EXPECT_TRUE(IsDataChanged(doc));
    EXPECT_EQ(entriesIn(m_dir), 2u);  // Init and pipe.dat
}

}  // namespace
