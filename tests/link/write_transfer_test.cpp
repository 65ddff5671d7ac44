#include "engine_fixture.h"

#include "lang_text_ids.h"
#include "core/model/image_codec.h"

namespace {

class WriteTest : public EngineTest {
protected:
    void SetUp() override
    {
        EngineTest::SetUp();
        // A document with the 40 channels of a fresh radio, but one more
        // channel frequency so that the write really changes the radio.
        doc.Image = DefaultRadioImage(0);
        doc.Radio.RadioBand = 0;
        ASSERT_TRUE(DecodeImage(doc));
        ASSERT_EQ(doc.ChannelCount, 40);
        doc.ChannelList[0].RxFreq = "02700000";
        RadioImage expected;
        std::swap(expected, doc.Image);
        expected.clear();
        doc.Image = expected;
        EncodeImage(doc);
        m_expected = doc.Image;
        doc.Image.clear();
    }

    RadioImage m_expected;
};

TEST_F(WriteTest, EveryBlockGoesOutOnceThenEnd)
{
    const Snapshot before = snapshot();
    ASSERT_TRUE(engine.startWrite());
    EXPECT_TRUE(engine.busy());
    EXPECT_FALSE(engine.startRead());  // one transfer at a time
    EXPECT_TRUE(host.sent.empty());    // the write starts when WaitSaveData expires
    ASSERT_TRUE(host.timers.count(LinkTimer::WaitSaveData));
    EXPECT_EQ(host.timers[LinkTimer::WaitSaveData], 100);
    host.run();
    EXPECT_EQ(host.sentAtMs.front(), 100);
    EXPECT_EQ(host.countWriteFrames(), 464);
    EXPECT_EQ(host.sent.back(), (Bytes{'E', 'N', 'D'}));
    // Blocks in ascending order from 0x0000 to 0x1CF0.
    int expectedAddress = 0;
    for (const Bytes& b : host.sent) {
        if (b.size() != 22 || b[0] != 'W')
            continue;
        EXPECT_EQ((b[1] << 8) | b[2], expectedAddress);
        expectedAddress += 16;
    }
    ASSERT_EQ(host.ended.size(), 1u);
    EXPECT_TRUE(host.ended[0].ok());
    EXPECT_EQ(radio().image(), m_expected);
    EXPECT_NE(radio().image(), radioImage);
    EXPECT_TRUE(messageShown(Txt::WriteCompleted));
    EXPECT_EQ(snapshot(), before);  // a write never changes the records
    EXPECT_FALSE(host.portOpen);
    EXPECT_EQ(host.readsCompleted, 0);
}

TEST_F(WriteTest, AResendCostsNoRetry)
{
    VirtualRadioFaults f;
    f.resend = {0x0040, 1};
    f.ignore = {0x0040, 3};  // three silences use up exactly the block's three retries
    makeRadio({}, f);
    ASSERT_TRUE(engine.startWrite());
    host.run();
    EXPECT_TRUE(host.questions.empty());
    EXPECT_EQ(host.countWriteFrames(), 464 + 1 + 3);
    EXPECT_TRUE(host.ended.back().ok());
    EXPECT_EQ(radio().image(), m_expected);
}

TEST_F(WriteTest, EndlessResendIsBoundedAndTellsOfThePartlyWrittenRadio)
{
    VirtualRadioFaults f;
    f.resend = {0x0040, 1000000};
    makeRadio({}, f);
    ASSERT_TRUE(engine.startWrite());
    host.run();
    ASSERT_EQ(host.countQuestions(LinkQuestion::Restart), 1);
    EXPECT_EQ(host.countSent(std::string{'W', 0x00, 0x40}), 1 + LinkProtocol::MaxResends);
    const TransferOutcome& o = host.ended.back();
    EXPECT_EQ(o.error.detail, LinkErrorDetail::EndlessResend);
    EXPECT_TRUE(o.partlyWritten);
    EXPECT_TRUE(messageShown(Txt::RadioPartlyWritten));
    EXPECT_TRUE(messageShown(Txt::RadioRepeatsBlock));
    EXPECT_EQ(host.sent.back(), (Bytes{'E', 'N', 'D'}));
}

TEST_F(WriteTest, RestartAfterSilenceRewritesFromTheFirstBlock)
{
    VirtualRadioFaults f;
    f.ignore = {0x0100, 4};
    makeRadio({}, f);
    host.answers = {NoticeAnswer::Ok};
    ASSERT_TRUE(engine.startWrite());
    host.run();
    ASSERT_EQ(host.countQuestions(LinkQuestion::Restart), 1);
    // After the question: handshake, identification, password block, block 0.
    std::size_t i = 0;
    while (i < host.sent.size() && host.sentAtMs[i] < host.questions[0].atMs)
        ++i;
    ASSERT_GE(host.sent.size(), i + 4);
    EXPECT_EQ(host.sent[i], (Bytes{'P', 'R', 'O', 'G', 'R', 'A', 'M'}));
    EXPECT_EQ(host.sent[i + 1], (Bytes{0x02}));
    EXPECT_EQ(host.sent[i + 2], (Bytes{'R', 0x3E, 0x10, 0x10}));
    EXPECT_EQ(host.sent[i + 3][0], 'W');
    EXPECT_EQ((host.sent[i + 3][1] << 8) | host.sent[i + 3][2], 0);
    EXPECT_TRUE(host.ended.back().ok());
    EXPECT_EQ(radio().image(), m_expected);
}

TEST_F(WriteTest, CancelledWriteSaysTheRadioIsPartlyWritten)
{
    ASSERT_TRUE(engine.startWrite());
    host.run(200);
    ASSERT_TRUE(engine.busy());
    engine.cancel();
    EXPECT_FALSE(engine.busy());
    EXPECT_EQ(host.sent.back(), (Bytes{'E', 'N', 'D'}));
    const TransferOutcome& o = host.ended.back();
    EXPECT_EQ(o.error.kind, LinkErrorKind::RefusedByUser);
    EXPECT_TRUE(o.partlyWritten);
    EXPECT_GT(o.blocksSent, 0);
    EXPECT_TRUE(messageShown(Txt::RadioPartlyWritten));
    EXPECT_FALSE(host.portOpen);
}

TEST_F(WriteTest, APortThatWillNotOpenEndsTheWriteWithItsReason)
{
    host.openError = LinkError::make(LinkErrorKind::SystemError, LinkErrorDetail::DeviceNotFound, "No such file");
    ASSERT_TRUE(engine.startWrite());
    host.run();
    ASSERT_EQ(host.ended.size(), 1u);
    EXPECT_EQ(host.ended[0].error.detail, LinkErrorDetail::DeviceNotFound);
    EXPECT_FALSE(host.ended[0].partlyWritten);
    EXPECT_TRUE(messageShown(Txt::PortOpenFailed));
    EXPECT_TRUE(host.sent.empty());
    EXPECT_FALSE(engine.busy());

    // The start question declined: nothing sent, the port closed again.
    host.openError = {};
    engine.setConfirmStart(true);
    ASSERT_TRUE(engine.startWrite());
    host.run();
    EXPECT_EQ(host.countQuestions(LinkQuestion::ConfirmWrite), 1);
    EXPECT_EQ(host.ended.back().error.kind, LinkErrorKind::RefusedByUser);
    EXPECT_TRUE(host.sent.empty());
    EXPECT_FALSE(host.portOpen);
}

TEST_F(WriteTest, BandMismatchStopsBeforeAnyBlockButTheRadioCanStillBeRead)
{
    VirtualRadioIdentity id;
    id.band = 2;
    makeRadio(id);
    ASSERT_TRUE(engine.startWrite());
    host.run();
    EXPECT_TRUE(messageShown(Txt::BandModeDiffers));
    EXPECT_EQ(host.countWriteFrames(), 0);
    EXPECT_EQ(host.ended.back().error.detail, LinkErrorDetail::WrongBand);
    EXPECT_FALSE(host.ended.back().partlyWritten);

    ASSERT_TRUE(engine.startRead());
    host.run();
    EXPECT_TRUE(host.ended.back().ok());
    EXPECT_EQ(doc.BandMode, 2);
}

TEST_F(WriteTest, RadioWithoutToneSupportIsWarnedAndWrittenAllTheSame)
{
    VirtualRadioIdentity id;
    id.toneSupported = false;
    makeRadio(id);
    ASSERT_TRUE(engine.startWrite());
    host.run();
    EXPECT_TRUE(messageContains("CTCSS/DCS Function is invalid,"));
    EXPECT_TRUE(messageContains("Some features will not work."));
    EXPECT_EQ(host.countWriteFrames(), 464);
    EXPECT_TRUE(host.ended.back().ok());
}

TEST_F(WriteTest, DeadLineDuringTheBlocks)
{
    VirtualRadioFaults f;
    f.deadAfterBlocks = 10;
    makeRadio({}, f);
    ASSERT_TRUE(engine.startWrite());
    host.run();
    EXPECT_EQ(host.countQuestions(LinkQuestion::Restart), 1);
    EXPECT_EQ(host.ended.back().error.kind, LinkErrorKind::TimedOut);
    EXPECT_TRUE(host.ended.back().partlyWritten);
    EXPECT_TRUE(messageShown(Txt::RadioPartlyWritten));
}

// Kind 3: the radio information area.
TEST_F(EngineTest, InformationReadFetchesSixteenBlocksAndDecodesTheRecord)
{
    ASSERT_TRUE(engine.startInfoRead());
    host.run();
    EXPECT_FALSE(host.progressShown);
    EXPECT_TRUE(host.progress.empty());
    EXPECT_EQ(host.countSent("R"), 16);
    EXPECT_EQ(host.sent[2], (Bytes{'R', 0x3E, 0x00, 0x10}));
    ASSERT_TRUE(host.ended.back().ok());
    EXPECT_EQ(doc.InfoBlock, radio().info());
    EXPECT_EQ(doc.RadioInfo.SerialNo.substr(0, 11), "SIM00000001");
    EXPECT_FALSE(messageShown(Txt::ReadCompleted));
}

TEST_F(EngineTest, InformationRetryStartsOverFromTheFirstBlock)
{
    VirtualRadioFaults f;
    f.ignore = {0x3E50, 4};  // the request and its three retries
    makeRadio({}, f);
    host.answers = {NoticeAnswer::Retry};
    int tries = -1;
    host.duringQuestion = [&] { tries = engine.handshakeTries(); };
    ASSERT_TRUE(engine.startInfoRead());
    host.run();
    ASSERT_EQ(host.countQuestions(LinkQuestion::Retry), 1);
    EXPECT_EQ(host.countSent(std::string{'R', 0x3E, 0x00}), 2);
    EXPECT_EQ(host.countSent(std::string{'R', 0x3E, 0x50}), 4 + 1);
    EXPECT_EQ(host.countSent("PROGRAM"), 2);
    EXPECT_EQ(tries, 0);
    ASSERT_TRUE(host.ended.back().ok());
    EXPECT_EQ(doc.InfoBlock, radio().info());
}

TEST_F(EngineTest, InformationReadCancelledLeavesTheRecord)
{
    VirtualRadioFaults f;
    f.ignore = {0x3E50, 4};
    makeRadio({}, f);
    const Snapshot before = snapshot();
    ASSERT_TRUE(engine.startInfoRead());
    host.run();
    EXPECT_EQ(host.ended.back().error.kind, LinkErrorKind::TimedOut);
    EXPECT_EQ(host.sent.back(), (Bytes{'E', 'N', 'D'}));
    EXPECT_EQ(snapshot(), before);
    EXPECT_FALSE(host.portOpen);
}

TEST_F(EngineTest, InformationReadWithoutEndAcknowledgementClosesThePort)
{
    VirtualRadioFaults f;
    f.noEndAck = true;
    makeRadio({}, f);
    ASSERT_TRUE(engine.startInfoRead());
    host.run();
    EXPECT_FALSE(host.portOpen);
    EXPECT_FALSE(engine.busy());
    ASSERT_EQ(host.ended.size(), 1u);
    EXPECT_TRUE(host.ended[0].ok());
    EXPECT_TRUE(host.timers.empty());
}

}  // namespace
