#include "link_fixture.h"

#include "core/base/lang_texts.h"
#include "gui/base/widget_helpers.h"
#include "lang_text_ids.h"
#include "gui/link/frm_progress.h"
#include "virtual_radio/virtual_radio_memory.h"

#include <QTest>

namespace {

QString text(int number)
{
    return QString::fromStdString(GetLangText(number));
}

RadioImage radioData()
{
    return radioImageOf([](Document& doc) { doc.Record.OptFeat.TimeOutTimer = 3; });
}

RadioInfoBlock radioInfo()
{
    return BuildRadioInfo(0, RadioInfoFields{});
}

class LinkFaultsTest : public LinkFixture {
protected:
    void SetUp() override
    {
        LinkFixture::SetUp();
        buildMainWindow();
        m_doc.Record.OptFeat.TimeOutTimer = 6;
        m_doc.DocFileName = "kept.dat";
        m_doc.IsUntitled = false;
    }

    // The document as the test left it: a failed read never touches it.
    void expectDocumentKept()
    {
        EXPECT_EQ(m_doc.Record.OptFeat.TimeOutTimer, 6);
        EXPECT_EQ(m_doc.DocFileName, "kept.dat");
        EXPECT_FALSE(m_doc.IsUntitled);
    }

    void expectLinkIdle()
    {
        EXPECT_FALSE(m_link->portOpen());
        EXPECT_EQ(m_link->progressWindow(), nullptr);
        EXPECT_FALSE(m_main->isTransferRunning());
    }

    std::string shown() const { return m_prompts.messages.join(" | ").toStdString(); }
};

}  // namespace

TEST_F(LinkFaultsTest, SilenceOnABlockAsksToRestartAndCancelKeepsTheDocument)
{
    VirtualRadioFaults faults;
    faults.ignore = {0x0100, 100};
    plugRadio(radioData(), radioInfo(), {}, faults);

    m_prompts.answers = {NoticeAnswer::Ok, NoticeAnswer::Cancel};
    ASSERT_TRUE(runAndWait(Command::ReadFromRadio));
    EXPECT_EQ(m_prompts.questions, QStringList({text(Txt::ConfirmRead), text(Txt::RadioNoAnswer)}));
    EXPECT_FALSE(m_prompts.messages.contains(text(Txt::ReadCompleted))) << shown();
    // The first request and three repeats of the silent block.
    EXPECT_EQ(m_radio->radio().stats().blocksRead, 1 + 0x0100 / 16);
    expectDocumentKept();
    expectLinkIdle();
}

TEST_F(LinkFaultsTest, RestartAfterSilenceReadsTheWholeImageAfterAll)
{
    VirtualRadioFaults faults;
    faults.ignore = {0x0200, 4};
    plugRadio(radioData(), radioInfo(), {}, faults);

    m_prompts.answers = {NoticeAnswer::Ok, NoticeAnswer::Ok};
    ASSERT_TRUE(runAndWait(Command::ReadFromRadio));
    EXPECT_EQ(m_prompts.questions, QStringList({text(Txt::ConfirmRead), text(Txt::RadioNoAnswer)}));
    EXPECT_TRUE(m_prompts.messages.contains(text(Txt::ReadCompleted))) << shown();
    EXPECT_EQ(m_doc.Image, radioData());
    EXPECT_EQ(m_doc.Record.OptFeat.TimeOutTimer, 3);
    EXPECT_EQ(m_link->lastProgressShown(), 100);
    expectLinkIdle();
}

TEST_F(LinkFaultsTest, AWriteThatStopsHalfWayTellsThatTheRadioIsPartlyWritten)
{
    VirtualRadioFaults faults;
    faults.deadAfterBlocks = 200;
    plugRadio(RadioImage{}, radioInfo(), {}, faults);

    m_prompts.answers = {NoticeAnswer::Ok, NoticeAnswer::Cancel};
    m_main->runCommand(Command::WriteToRadio);
    ASSERT_TRUE(waitUntil([this] { return m_link->progressWindow() != nullptr; }, 3000));
    EXPECT_EQ(m_link->progressWindow()->windowTitle(), text(Txt::ProgressWriting));
    ASSERT_TRUE(waitIdle());

    EXPECT_EQ(m_prompts.questions, QStringList({text(Txt::ConfirmWrite), text(Txt::RadioNoAnswer)}));
    EXPECT_FALSE(m_prompts.messages.contains(text(Txt::WriteCompleted))) << shown();
    EXPECT_TRUE(m_prompts.messages.join('\n').contains(text(Txt::RadioPartlyWritten))) << shown();
    EXPECT_GT(m_link->lastProgressShown(), 30);
    EXPECT_LT(m_link->lastProgressShown(), 60);
    // A write never changes the document.
    expectDocumentKept();
    expectLinkIdle();
}

TEST_F(LinkFaultsTest, ARadioOfAnUnknownBandIsRefusedBeforeAnyBlock)
{
    VirtualRadioIdentity identity;
    identity.band = 7;
    plugRadio(radioData(), radioInfo(), identity);

    m_prompts.answers = {NoticeAnswer::Ok};
    ASSERT_TRUE(runAndWait(Command::ReadFromRadio));
    EXPECT_FALSE(m_prompts.messages.contains(text(Txt::ReadCompleted))) << shown();
    // The user is told why, once, in the radio's own words and in plain ones.
    ASSERT_EQ(m_prompts.messages.size(), 1) << shown();
    EXPECT_TRUE(m_prompts.messages[0].contains("Country Mode Error!")) << shown();
    EXPECT_TRUE(m_prompts.messages[0].contains(text(Txt::RadioBandModeUnknown))) << shown();
    EXPECT_EQ(m_radio->radio().stats().blocksRead, 0);
    EXPECT_GE(m_radio->radio().stats().sessions, 1);  // "END" went out
    expectDocumentKept();
    expectLinkIdle();
}

TEST_F(LinkFaultsTest, ARadioOfAnotherModelIsNamedInTheMessage)
{
    VirtualRadioIdentity identity;
    identity.model = "OTHER7";
    plugRadio(radioData(), radioInfo(), identity);

    m_prompts.answers = {NoticeAnswer::Ok};
    ASSERT_TRUE(runAndWait(Command::WriteToRadio));
    ASSERT_EQ(m_prompts.messages.size(), 1) << shown();
    EXPECT_TRUE(m_prompts.messages[0].startsWith(text(Txt::ModelMismatch))) << shown();
    EXPECT_TRUE(m_prompts.messages[0].contains("Radio is OTHER7")) << shown();
    EXPECT_EQ(m_radio->radio().stats().blocksWritten, 0);
    expectLinkIdle();
}

TEST_F(LinkFaultsTest, AnInformationReadWhoseEndIsNeverAcknowledgedStillClosesThePort)
{
    VirtualRadioFaults faults;
    faults.noEndAck = true;
    RadioInfoFields fields;
    fields.serialNo = "NOACK-1";
    plugRadio(radioData(), BuildRadioInfo(0, fields), {}, faults);

    ASSERT_TRUE(runAndWait(Command::LocalInfo, 5000));
    EXPECT_TRUE(waitUntil([this] { return !m_link->portOpen(); }, 2000));
    EXPECT_EQ(m_radio->radio().stats().blocksRead, 16);
    EXPECT_FALSE(m_main->isTransferRunning());
    EXPECT_TRUE(m_main->isCommandEnabled(Command::LocalInfo));
}

TEST_F(LinkFaultsTest, ClosingTheProgramDuringAnInformationReadEndsItAndClosesThePort)
{
    VirtualRadioFaults faults;
    faults.ignore = {0x3E80, 100};
    plugRadio(radioData(), radioInfo(), {}, faults);

    m_main->runCommand(Command::LocalInfo);
    ASSERT_TRUE(waitUntil([this] { return m_radio->radio().stats().blocksRead >= 8; }, 3000));
    ASSERT_TRUE(m_link->portOpen());
    m_prompts.answers = {NoticeAnswer::No};  // the unsaved changes are not kept
    m_main->close();
    EXPECT_FALSE(m_main->isVisible());
    EXPECT_FALSE(m_link->portOpen());
    EXPECT_FALSE(m_link->engine().busy());
    // The radio heard "END" and leaves programming mode.
    EXPECT_TRUE(waitUntil([this] { return m_radio->radio().stats().sessions >= 1; }, 2000));
    QTest::qWait(400);
    EXPECT_EQ(m_prompts.questions, QStringList{text(Txt::SaveChangesQuestion)});
}

TEST_F(LinkFaultsTest, RetryAfterSilenceInAnInformationReadShowsTheWholeAreaAfterAll)
{
    VirtualRadioFaults faults;
    faults.ignore = {0x3E80, 4};  // the request and its three retries
    RadioInfoFields fields;
    fields.serialNo = "RETRY-77";
    fields.dealerCode = "D-9";
    plugRadio(radioData(), BuildRadioInfo(0, fields), {}, faults);

    m_prompts.answers = {NoticeAnswer::Retry};
    ASSERT_TRUE(runAndWait(Command::LocalInfo, 5000));
    EXPECT_EQ(m_prompts.questions, QStringList{text(Txt::RadioNoAnswer)});
    EXPECT_TRUE(m_prompts.messages.isEmpty()) << shown();
    EXPECT_EQ(m_doc.RadioInfo.SerialNo.rfind("RETRY-77", 0), 0u) << m_doc.RadioInfo.SerialNo;
    EXPECT_EQ(m_doc.RadioInfo.DealerCode.rfind("D-9", 0), 0u) << m_doc.RadioInfo.DealerCode;
    EXPECT_NE(FindChildForm(m_main->mdiArea(), "FrmRadioInfo"), nullptr);
    // The area is read again from its first block after the retry.
    EXPECT_EQ(m_radio->radio().stats().blocksRead, 8 + 16);
    expectLinkIdle();
}

TEST_F(LinkFaultsTest, CancelAfterSilenceInAnInformationReadShowsNoWindow)
{
    VirtualRadioFaults faults;
    faults.ignore = {0x3E80, 100};
    plugRadio(radioData(), radioInfo(), {}, faults);

    m_prompts.answers = {NoticeAnswer::Cancel};
    ASSERT_TRUE(runAndWait(Command::LocalInfo, 5000));
    EXPECT_EQ(m_prompts.questions, QStringList{text(Txt::RadioNoAnswer)});
    EXPECT_EQ(FindChildForm(m_main->mdiArea(), "FrmRadioInfo"), nullptr);
    EXPECT_TRUE(m_main->isCommandEnabled(Command::LocalInfo));
    expectLinkIdle();
}

TEST_F(LinkFaultsTest, AnUnpluggedCableDuringAnInformationReadIsReportedAndShowsNoWindow)
{
    plugRadio(radioData(), radioInfo()).unplugAfterBlocks(5);
    ASSERT_TRUE(runAndWait(Command::LocalInfo, 5000));
    EXPECT_TRUE(m_prompts.questions.isEmpty()) << m_prompts.questions.join('|').toStdString();
    ASSERT_EQ(m_prompts.messages.size(), 1) << shown();
    EXPECT_TRUE(m_prompts.messages[0].contains(text(Txt::SerialDeviceLost))) << shown();
    EXPECT_EQ(FindChildForm(m_main->mdiArea(), "FrmRadioInfo"), nullptr);
    expectLinkIdle();
    EXPECT_TRUE(m_main->isCommandEnabled(Command::LocalInfo));
}
