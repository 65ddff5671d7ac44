#include "link_fixture.h"

#include "core/base/lang_texts.h"
#include "core/base/version_list.h"
#include "lang_text_ids.h"
#include "virtual_radio/virtual_radio_memory.h"

#include <QTest>

#include <filesystem>
#include <fstream>

namespace {

QString text(int number)
{
    return QString::fromStdString(GetLangText(number));
}

// A radio of data version V200, and an installed version V200 beside this
// one that handles it: a small program that only leaves a mark when started.
class LinkHandOverTest : public LinkFixture {
protected:
    void SetUp() override
    {
        LinkFixture::SetUp();
        VersionList::instance().setHandlers({{"V100", "V100"}, {"V200", "V200"}});
        const std::filesystem::path other = m_root / "V200";
        std::filesystem::create_directories(other);
        m_otherProgram = other / QCoreApplication::applicationFilePath().section('/', -1).toStdString();
        m_mark = other / "started";
        std::ofstream(m_otherProgram) << "#!/bin/sh\ntouch '" << m_mark.string() << "'\n";
        std::filesystem::permissions(m_otherProgram, std::filesystem::perms::owner_all);
        buildMainWindow();
        VirtualRadioIdentity identity;
        identity.version = "V200";
        plugRadio(RadioImage{}, BuildRadioInfo(0, RadioInfoFields{}), identity);
    }

    std::filesystem::path m_otherProgram;
    std::filesystem::path m_mark;
};

}  // namespace

TEST_F(LinkHandOverTest, YesStartsTheOtherVersionAndEndsThisOne)
{
    m_prompts.answers = {NoticeAnswer::Ok, NoticeAnswer::Yes};
    m_main->runCommand(Command::ReadFromRadio);
    EXPECT_TRUE(waitUntil([this] { return std::filesystem::exists(m_mark); }, 5000));
    EXPECT_TRUE(waitUntil([this] { return !m_main->isVisible(); }, 2000));
    // The document was unchanged: no unsaved-changes question.
    ASSERT_EQ(m_prompts.questions.size(), 2) << m_prompts.questions.join('|').toStdString();
    EXPECT_EQ(m_prompts.questions[0], text(Txt::ConfirmRead));
    // The program ends: nothing can be started meanwhile.
    EXPECT_TRUE(m_main->isTransferRunning());
    EXPECT_FALSE(m_link->portOpen());
    EXPECT_FALSE(m_prompts.messages.contains(text(Txt::ReadCompleted)));
    EXPECT_EQ(m_radio->radio().stats().blocksRead, 1);
}

TEST_F(LinkHandOverTest, CancelAtTheUnsavedChangesQuestionKeepsTheProgram)
{
    m_doc.Record.OptFeat.TimeOutTimer = static_cast<std::int16_t>(m_doc.Record.OptFeat.TimeOutTimer + 1);
    m_prompts.answers = {NoticeAnswer::Ok, NoticeAnswer::Yes, NoticeAnswer::Cancel};
    ASSERT_TRUE(runAndWait(Command::ReadFromRadio));
    ASSERT_EQ(m_prompts.questions.size(), 3) << m_prompts.questions.join('|').toStdString();
    EXPECT_EQ(m_prompts.questions[2], text(Txt::SaveChangesQuestion));
    QTest::qWait(300);
    EXPECT_FALSE(std::filesystem::exists(m_mark));
    EXPECT_TRUE(m_main->isVisible());
    EXPECT_FALSE(m_main->isTransferRunning());
    EXPECT_FALSE(m_link->portOpen());
}

TEST_F(LinkHandOverTest, NoAtTheHandOverQuestionEndsTheReadOnly)
{
    m_prompts.answers = {NoticeAnswer::Ok, NoticeAnswer::No};
    ASSERT_TRUE(runAndWait(Command::ReadFromRadio));
    QTest::qWait(300);
    EXPECT_FALSE(std::filesystem::exists(m_mark));
    EXPECT_TRUE(m_main->isVisible());
    EXPECT_FALSE(m_prompts.messages.contains(text(Txt::ReadCompleted)));
}

TEST_F(LinkHandOverTest, AnOtherVersionThatIsNotInstalledIsReportedAndTheProgramStays)
{
    std::filesystem::remove(m_otherProgram);
    m_prompts.answers = {NoticeAnswer::Ok, NoticeAnswer::Yes};
    ASSERT_TRUE(runAndWait(Command::ReadFromRadio));
    EXPECT_TRUE(m_prompts.messages.contains(text(Txt::OtherVersionNotStarted)))
        << m_prompts.messages.join('|').toStdString();
    EXPECT_TRUE(m_main->isVisible());
    EXPECT_FALSE(m_link->portOpen());
}

TEST_F(LinkHandOverTest, AnOtherVersionThatFailsToStartKeepsTheProgramUsable)
{
    // Installed and executable, but not a program the system can run.
    std::ofstream(m_otherProgram, std::ios::trunc) << std::string(64, '\x7f');
    std::filesystem::permissions(m_otherProgram, std::filesystem::perms::owner_all);
    m_prompts.answers = {NoticeAnswer::Ok, NoticeAnswer::Yes};
    ASSERT_TRUE(runAndWait(Command::ReadFromRadio));
    EXPECT_TRUE(waitUntil([this] { return m_prompts.messages.contains(text(Txt::OtherVersionNotStarted)); }, 3000))
        << m_prompts.messages.join('|').toStdString();
    QTest::qWait(300);
    EXPECT_TRUE(m_main->isVisible());
    EXPECT_FALSE(m_main->isTransferRunning());
    EXPECT_TRUE(m_main->isCommandEnabled(Command::ReadFromRadio));
    EXPECT_FALSE(m_link->portOpen());

    // The next transfer is an ordinary one: its end does not try the hand-over again.
    m_prompts.messages.clear();
    m_prompts.answers = {NoticeAnswer::Ok};
    ASSERT_TRUE(runAndWait(Command::LocalInfo));
    QTest::qWait(300);
    EXPECT_TRUE(m_main->isVisible());
    EXPECT_FALSE(m_main->isTransferRunning());
    EXPECT_FALSE(m_prompts.messages.contains(text(Txt::OtherVersionNotStarted)))
        << m_prompts.messages.join('|').toStdString();
}
