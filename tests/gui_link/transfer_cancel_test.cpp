// The progress window's Cancel, against a virtual radio on a pseudo-terminal.

#include "link_fixture.h"

#include "core/base/lang_texts.h"
#include "lang_text_ids.h"
#include "gui/link/frm_progress.h"
#include "virtual_radio/virtual_radio_memory.h"
#include "core/model/image_codec.h"

#include <QPushButton>
#include <QTest>

namespace {

QString text(int number)
{
    return QString::fromStdString(GetLangText(number));
}

// The radio falls silent twice on one block halfway through, so that the
// transfer is sure to be running when the user presses Cancel.
constexpr int StallAddress = 0x0800;
constexpr int BlocksBeforeStall = StallAddress / 16;

class TransferCancelTest : public LinkFixture {
protected:
    void SetUp() override
    {
        LinkFixture::SetUp();
        buildMainWindow();
        // A saved document that a cancelled read must leave as it is.
        m_doc.DocFileName = "kept.dat";
        m_doc.IsUntitled = false;
        m_record = m_doc.Record;
        m_channels = m_doc.ChannelList;
    }

    VirtualRadio& plugStallingRadio(const RadioImage& image)
    {
        VirtualRadioFaults faults;
        faults.ignore = {StallAddress, 2};
        return plugRadio(image, BuildRadioInfo(0, RadioInfoFields{}), {}, faults).radio();
    }

    // Presses Cancel (or Escape) once the radio has served the blocks before the stall.
    void cancelAtTheStall(const VirtualRadio& radio, bool escape)
    {
        ASSERT_TRUE(waitUntil(
            [&] {
                const VirtualRadioStats& s = radio.stats();
                // The password block counts among the blocks read, in a write too.
                return s.blocksRead + s.blocksWritten >= BlocksBeforeStall + 1;
            },
            20000));
        FrmProgress* progress = m_link->progressWindow();
        ASSERT_NE(progress, nullptr);
        EXPECT_EQ(progress->cancelButton()->text(), text(Txt::CancelButton));
        if (escape)
            QTest::keyClick(progress, Qt::Key_Escape);
        else
            progress->cancelButton()->click();
    }

    void expectDocumentKept()
    {
        EXPECT_EQ(m_doc.Record, m_record);
        EXPECT_EQ(m_doc.ChannelList, m_channels);
        EXPECT_EQ(m_doc.DocFileName, "kept.dat");
        EXPECT_FALSE(m_doc.IsUntitled);
    }

    void expectEndedAndClosed(const VirtualRadio& radio)
    {
        // The radio got its "END": its session is over.
        EXPECT_TRUE(waitUntil([&] { return radio.stats().sessions == 1; }, 3000));
        EXPECT_FALSE(m_link->portOpen());
        EXPECT_EQ(m_link->progressWindow(), nullptr);
        EXPECT_FALSE(m_main->isTransferRunning());
    }

    std::string shown() const { return m_prompts.messages.join(" | ").toStdString(); }
    void cancelRead(bool escape);
    // A write cancelled halfway, the stop question answered so.
    VirtualRadio& cancelWrite(NoticeAnswer stop);

    DocumentRecord m_record;
    std::array<ChannelRecord, MaxChannels> m_channels{};
};

}  // namespace

void TransferCancelTest::cancelRead(bool escape)
{
    VirtualRadio& radio = plugStallingRadio(radioImageOf([](Document& doc) { doc.Record.OptFeat.Beep = 1; }));
    m_prompts.answers = {NoticeAnswer::Ok};
    m_main->runCommand(Command::ReadFromRadio);
    cancelAtTheStall(radio, escape);
    ASSERT_TRUE(waitIdle());

    EXPECT_EQ(m_prompts.questions, QStringList({text(Txt::ConfirmRead)}));
    EXPECT_TRUE(m_prompts.messages.isEmpty()) << shown();
    EXPECT_LT(radio.stats().blocksRead, 464);
    expectEndedAndClosed(radio);
    QTest::qWait(600);  // no decoding follows later either
    expectDocumentKept();
}

TEST_F(TransferCancelTest, CancelEndsAReadAtOnceAndLeavesTheDocumentAsItWas)
{
    cancelRead(false);
}

TEST_F(TransferCancelTest, EscapeInTheProgressWindowIsCancel)
{
    cancelRead(true);
}

VirtualRadio& TransferCancelTest::cancelWrite(NoticeAnswer stop)
{
    VirtualRadio& radio = plugStallingRadio(RadioImage{});
    m_prompts.answers = {NoticeAnswer::Ok, stop};
    m_main->runCommand(Command::WriteToRadio);
    cancelAtTheStall(radio, false);
    EXPECT_TRUE(waitIdle());
    EXPECT_EQ(m_prompts.questions, QStringList({text(Txt::ConfirmWrite), text(Txt::StopWriteQuestion)}));
    return radio;
}

TEST_F(TransferCancelTest, CancelDuringAWriteAsksFirstAndGoesOnWhenTheUserSaysNo)
{
    VirtualRadio& radio = cancelWrite(NoticeAnswer::No);
    EXPECT_TRUE(m_prompts.messages.contains(text(Txt::WriteCompleted))) << shown();
    // The whole memory went over, each block once.
    EXPECT_EQ(radio.stats().blocksWritten, 464);
    EncodeImage(m_doc);
    EXPECT_EQ(radio.image(), m_doc.Image);
    expectEndedAndClosed(radio);
}

TEST_F(TransferCancelTest, CancelDuringAWriteThatTheUserConfirmsLeavesThePartlyWrittenRadioSaidSo)
{
    VirtualRadio& radio = cancelWrite(NoticeAnswer::Yes);
    EXPECT_FALSE(m_prompts.messages.contains(text(Txt::WriteCompleted))) << shown();
    EXPECT_TRUE(m_prompts.messages.join('\n').contains(text(Txt::RadioPartlyWritten))) << shown();
    EXPECT_GE(radio.stats().blocksWritten, BlocksBeforeStall);
    EXPECT_LT(radio.stats().blocksWritten, 464);
    expectEndedAndClosed(radio);
    expectDocumentKept();
}
