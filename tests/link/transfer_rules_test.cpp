// The fixed rules of a transfer: receive thresholds, progress, the counters
// behind retries and restarts, and how each message and question is put.
#include "engine_fixture.h"
#include "lang_text_ids.h"

namespace {

using Rule = std::pair<std::string, std::size_t>;  // request prefix, expected threshold

// Every request that starts with the prefix was sent with that threshold.
void expectThresholds(const FakeHost& host, const std::vector<Rule>& rules)
{
    for (const auto& [prefix, expected] : rules) {
        int seen = 0;
        for (std::size_t i = 0; i < host.sent.size(); ++i) {
            const Bytes& b = host.sent[i];
            if (b.size() < prefix.size() || !std::equal(prefix.begin(), prefix.end(), b.begin()))
                continue;
            ++seen;
            EXPECT_EQ(host.sentThresholds[i], expected) << "request " << prefix << " #" << seen;
        }
        EXPECT_GT(seen, 0) << prefix;
    }
}

int addressOf(const Bytes& request)
{
    return (request[1] << 8) | request[2];
}

TEST_F(EngineTest, ReceiveThresholdsAreTheEchoPlusTheReplyLength)
{
    // With echo: the request's own bytes come back before the reply.
    ASSERT_TRUE(engine.startRead());
    host.run();
    ASSERT_TRUE(host.ended.back().ok());
    expectThresholds(host, {{"PROGRAM", 7 + 3}, {"\x02", 1 + 16}, {"R", 4 + 22}, {"END", 3 + 1}});

    // Without echo: the reply alone.
    VirtualRadioIdentity id;
    id.echo = false;
    makeRadio(id);
    engine.setEchoExpected(false);
    host.sent.clear();
    host.sentThresholds.clear();
    ASSERT_TRUE(engine.startRead());
    host.run();
    ASSERT_TRUE(host.ended.back().ok());
    expectThresholds(host, {{"PROGRAM", 3}, {"\x02", 16}, {"R", 22}, {"END", 1}});
}

TEST_F(EngineTest, WriteFramesWaitForTheirEchoAndOneByte)
{
    ASSERT_TRUE(engine.startWrite());
    host.run();
    ASSERT_TRUE(host.ended.back().ok());
    expectThresholds(host, {{"W", 22 + 1}, {"END", 3 + 1}});
}

TEST_F(EngineTest, ReadProgressIsTheBlockAddressInPercentRoundedToNearest)
{
    ASSERT_TRUE(engine.startRead());
    host.run();
    ASSERT_TRUE(host.ended.back().ok());
    // Each block adds about 0.22 %: every percentage appears once, in order.
    std::vector<int> expected(101);
    for (int p = 0; p <= 100; ++p)
        expected[static_cast<std::size_t>(p)] = p;
    ASSERT_EQ(host.progress, expected);
    // 1 % is reached with the block at 0x0030 (48 * 100 / 7423 = 0.65),
    // 50 % with the block at 0x0E60 (3680 * 100 / 7423 = 49.58) and 100 %
    // with the block at 0x1CE0 (7392 * 100 / 7423 = 99.58): rounded, not cut off. The progress follows the stored
    // block, before the next request.
    auto lastRequestWhenShown = [&](int percent) {
        const std::size_t count = host.progressAfterRequests[static_cast<std::size_t>(percent)];
        return addressOf(host.sent[count - 1]);
    };
    EXPECT_EQ(lastRequestWhenShown(1), 0x0030);
    EXPECT_EQ(lastRequestWhenShown(50), 0x0E60);
    EXPECT_EQ(lastRequestWhenShown(100), 0x1CE0);
}

TEST_F(EngineTest, SilentPasswordBlockIsAskedThreeTimesThenTheCountersStartAfresh)
{
    VirtualRadioFaults f;
    f.ignore = {0x3E10, 3};
    makeRadio({}, f);
    int infoRetries = -1;
    int handshakeTries = -1;
    host.duringQuestion = [&] {
        infoRetries = engine.infoRetries();
        handshakeTries = engine.handshakeTries();
    };
    host.answers = {NoticeAnswer::Ok};
    ASSERT_TRUE(engine.startRead());
    host.run();
    ASSERT_EQ(host.countQuestions(LinkQuestion::Restart), 1);
    // Three requests a reply time apart, the question at the third silence.
    const std::string passwordBlock{'R', 0x3E, 0x10};
    std::vector<long> at;
    for (std::size_t i = 0; i < host.sent.size(); ++i)
        if (host.sent[i].size() == 4 && std::equal(passwordBlock.begin(), passwordBlock.end(), host.sent[i].begin()))
            at.push_back(host.sentAtMs[i]);
    ASSERT_EQ(at.size(), 4u);  // three, then one more after the restart
    EXPECT_EQ(at[1] - at[0], LinkProtocol::ReplyTimeMs);
    EXPECT_EQ(at[2] - at[1], LinkProtocol::ReplyTimeMs);
    EXPECT_EQ(host.questions[0].atMs - at[2], LinkProtocol::ReplyTimeMs);
    EXPECT_EQ(infoRetries, 3);
    EXPECT_EQ(handshakeTries, 0);
    EXPECT_TRUE(host.ended.back().ok());
    EXPECT_EQ(doc.Image, radioImage);
}

TEST_F(EngineTest, RestartQuestionAfterFourHandshakesFindsTheHandshakeCountCleared)
{
    host.radio = nullptr;
    int handshakeTries = -1;
    int lastBlockRetries = -1;
    int beyondLastBlock = -1;
    host.duringQuestion = [&] {
        handshakeTries = engine.handshakeTries();
        lastBlockRetries = engine.blockRetries(464);  // round(7423 / 16) = 464
        beyondLastBlock = engine.blockRetries(465);
    };
    ASSERT_TRUE(engine.startRead());
    host.run();
    ASSERT_EQ(host.countQuestions(LinkQuestion::Restart), 1);
    EXPECT_EQ(handshakeTries, 0);
    EXPECT_EQ(lastBlockRetries, 3);
    EXPECT_EQ(beyondLastBlock, 0);  // no such entry
    // Three silences inverted the echo setting three times.
    EXPECT_FALSE(engine.echoExpected());
}

TEST_F(EngineTest, InformationReadSizesItsRetriesByTheInformationArea)
{
    host.radio = nullptr;
    int lastEntry = -1;
    int beyond = -1;
    host.duringQuestion = [&] {
        lastEntry = engine.blockRetries(1008);  // round(16127 / 16) = 1008
        beyond = engine.blockRetries(1009);
    };
    ASSERT_TRUE(engine.startInfoRead());
    host.run();
    ASSERT_EQ(host.countQuestions(LinkQuestion::Retry), 1);
    EXPECT_EQ(host.countSent("PROGRAM"), 4);
    EXPECT_EQ(lastEntry, 3);
    EXPECT_EQ(beyond, 0);
    EXPECT_FALSE(host.portOpen);
}

// ---------------------------------------------------------------- how things are said

TEST_F(EngineTest, QuestionsCarryTheirButtonsAndIcons)
{
    host.radio = nullptr;
    ASSERT_TRUE(engine.startRead());
    host.run();
    ASSERT_EQ(host.questions.size(), 1u);
    EXPECT_EQ(host.questions[0].text, GetLangText(Txt::RadioNoAnswer));
    EXPECT_EQ(host.questions[0].buttons, NoticeButtons::OkCancel);
    EXPECT_EQ(host.questions[0].icon, NoticeIcon::Question);

    host.questions.clear();
    ASSERT_TRUE(engine.startInfoRead());
    host.run();
    ASSERT_EQ(host.questions.size(), 1u);
    EXPECT_EQ(host.questions[0].question, LinkQuestion::Retry);
    EXPECT_EQ(host.questions[0].text, GetLangText(Txt::RadioNoAnswer));
    EXPECT_EQ(host.questions[0].buttons, NoticeButtons::RetryCancel);

    host.questions.clear();
    engine.setConfirmStart(true);
    ASSERT_FALSE(engine.startRead());
    ASSERT_EQ(host.questions.size(), 1u);
    EXPECT_EQ(host.questions[0].text, GetLangText(Txt::ConfirmRead));
    EXPECT_EQ(host.questions[0].buttons, NoticeButtons::OkCancel);
    EXPECT_EQ(host.questions[0].icon, NoticeIcon::Question);
}

TEST_F(EngineTest, TheVersionQuestionHasYesNoAndNoIconAndAMissingVersionIsPlainlyReported)
{
    VirtualRadioIdentity id;
    id.version = "V102";
    makeRadio(id);
    host.answers = {NoticeAnswer::Yes, NoticeAnswer::No};
    ASSERT_TRUE(engine.startRead());
    host.run();
    ASSERT_EQ(host.countQuestions(LinkQuestion::HandOver), 1);
    const FakeHost::Question& q = host.questions[0];
    EXPECT_EQ(q.buttons, NoticeButtons::YesNo);
    EXPECT_EQ(q.icon, NoticeIcon::None);
    EXPECT_EQ(q.text,
              GetLangText(Txt::VersionQuestion) + "\r\n" + GetLangText(Txt::VersionRadioData) + " V1.02\r\n"
                  + GetLangText(Txt::VersionThisProgram) + " V1.00");
    EXPECT_EQ(host.questions[1].question, LinkQuestion::UnsavedChanges);
    EXPECT_EQ(host.questions[1].buttons, NoticeButtons::YesNoCancel);
    EXPECT_EQ(host.questions[1].icon, NoticeIcon::Warning);
    // No installed version handles V102: text 9063 with its OK button only.
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0], GetLangText(Txt::NoVersionForData));
    EXPECT_EQ(host.messageIcons[0], NoticeIcon::None);
}

TEST_F(EngineTest, RefusalMessagesReadExactly)
{
    VirtualRadioIdentity id;
    id.model = "OTHER";
    makeRadio(id);
    ASSERT_TRUE(engine.startRead());
    host.run();
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0], GetLangText(Txt::ModelMismatch) + "\r\nPC is BRISKO7\r\nRadio is OTHER");
    EXPECT_EQ(host.messageIcons[0], NoticeIcon::None);

    // Same model, compatible version, other band: a write stops with 9030.
    id = {};
    id.band = 1;
    makeRadio(id);
    host.messages.clear();
    host.messageIcons.clear();
    ASSERT_TRUE(engine.startWrite());
    host.run();
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0], GetLangText(Txt::BandModeDiffers));
    EXPECT_EQ(host.messageIcons[0], NoticeIcon::Warning);
    EXPECT_EQ(host.countWriteFrames(), 0);

    // A radio without CTCSS/DCS is warned, then written.
    id = {};
    id.toneSupported = false;
    makeRadio(id);
    host.messages.clear();
    host.messageIcons.clear();
    ASSERT_TRUE(engine.startWrite());
    host.run();
    ASSERT_GE(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0], "CTCSS/DCS Function is invalid,\r\nSome features will not work.");
    EXPECT_EQ(host.messageIcons[0], NoticeIcon::Warning);
    EXPECT_EQ(host.countWriteFrames(), 464);

    // A port that will not open: 9003 with the error icon.
    host.openError = LinkError::make(LinkErrorKind::SystemError, LinkErrorDetail::DeviceNotFound, "No such file");
    host.messages.clear();
    host.messageIcons.clear();
    ASSERT_FALSE(engine.startRead());
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].rfind(GetLangText(Txt::PortOpenFailed), 0), 0u);
    EXPECT_EQ(host.messageIcons[0], NoticeIcon::Error);
}

// ---------------------------------------------------------------- a device lost behind a message box

TEST_F(EngineTest, DeviceLostWhileTheUnknownBandMessageShowsEndsTheTransferOnce)
{
    VirtualRadioIdentity id;
    id.band = 9;
    makeRadio(id);
    host.duringMessage = [&] {
        engine.portFailed(LinkError::make(LinkErrorKind::SystemError, LinkErrorDetail::DeviceLost));
    };
    ASSERT_TRUE(engine.startRead());
    host.run();
    EXPECT_EQ(host.ended.size(), 1u);
    EXPECT_EQ(host.ended.back().error.detail, LinkErrorDetail::DeviceLost);
    EXPECT_FALSE(engine.busy());
}

TEST_F(EngineTest, DeviceLostWhileThePasswordFailureShowsEndsTheTransferOnce)
{
    makeRadio({}, {}, "1234");
    host.passwords = {std::string("9999")};
    host.duringMessage = [&] {
        engine.portFailed(LinkError::make(LinkErrorKind::SystemError, LinkErrorDetail::DeviceLost));
    };
    ASSERT_TRUE(engine.startRead());
    host.run();
    EXPECT_EQ(host.ended.size(), 1u);
    EXPECT_EQ(host.ended.back().error.detail, LinkErrorDetail::DeviceLost);
}

TEST_F(EngineTest, DeviceLostWhileTheToneWarningShowsWritesNothing)
{
    VirtualRadioIdentity id;
    id.toneSupported = false;
    makeRadio(id);
    host.duringMessage = [&] {
        engine.portFailed(LinkError::make(LinkErrorKind::SystemError, LinkErrorDetail::DeviceLost));
    };
    ASSERT_TRUE(engine.startWrite());
    host.run();
    EXPECT_EQ(host.countWriteFrames(), 0);
    ASSERT_EQ(host.ended.size(), 1u);
    EXPECT_EQ(host.ended[0].error.detail, LinkErrorDetail::DeviceLost);
    EXPECT_FALSE(host.ended[0].partlyWritten);
    EXPECT_TRUE(host.timers.empty());
    EXPECT_FALSE(engine.busy());
}

}  // namespace

// ---------------------------------------------------------------- silence and stray replies by state

class StateTest : public EngineTest {
protected:
    void forgetSent()
    {
        host.sent.clear();
        host.sentAtMs.clear();
        host.sentThresholds.clear();
        host.questions.clear();
    }
    // Lets the line run until a request starting with `prefix` has gone out,
    // and loses the radio's answer to it.
    void loseAnswerTo(const std::string& prefix)
    {
        for (int i = 0; i < 5000 && host.countSent(prefix) == 0; ++i)
            host.run(1);
        ASSERT_EQ(host.countSent(prefix), 1) << prefix;
        host.inbox.clear();
    }
    // ... and puts these bytes on the line in its place.
    void answerWith(const std::string& prefix, const Bytes& bytes)
    {
        loseAnswerTo(prefix);
        host.inbox.push_back(bytes);
    }
    long sentAt(const std::string& prefix) const
    {
        for (std::size_t i = 0; i < host.sent.size(); ++i)
            if (host.sent[i].size() >= prefix.size() && std::equal(prefix.begin(), prefix.end(), host.sent[i].begin()))
                return host.sentAtMs[i];
        return -1;
    }
};

TEST_F(StateTest, SilenceAfterTheIdentifyRequestAsksAtOnceInEveryKind)
{
    // Read, write: the restart question at the first silence, no repeat.
    for (TransferKind kind : {TransferKind::ReadImage, TransferKind::WriteImage}) {
        forgetSent();
        makeRadio();
        ASSERT_TRUE(kind == TransferKind::ReadImage ? engine.startRead() : engine.startWrite());
        loseAnswerTo("\x02");
        host.run();
        ASSERT_EQ(host.countQuestions(LinkQuestion::Restart), 1);
        EXPECT_EQ(host.countSent("\x02"), 1);
        EXPECT_EQ(host.questions[0].atMs - sentAt("\x02"), LinkProtocol::ReplyTimeMs);
        EXPECT_EQ(host.ended.back().error.kind, LinkErrorKind::TimedOut);
    }
    // Radio information: the retry question, just as soon.
    forgetSent();
    makeRadio();
    ASSERT_TRUE(engine.startInfoRead());
    loseAnswerTo("\x02");
    host.run();
    ASSERT_EQ(host.countQuestions(LinkQuestion::Retry), 1);
    EXPECT_EQ(host.countSent("\x02"), 1);
    EXPECT_EQ(host.questions[0].atMs - sentAt("\x02"), LinkProtocol::ReplyTimeMs);
    EXPECT_FALSE(host.portOpen);
}

TEST_F(StateTest, AResendAnswerToEndIsIgnoredByReadAndWriteButEndsAnInformationRead)
{
    const Bytes endEchoAndResend{'E', 'N', 'D', 0x0A};
    // Read and write wait for the acknowledgement; its silence still counts as success.
    ASSERT_TRUE(engine.startRead());
    answerWith("END", endEchoAndResend);
    host.run();
    ASSERT_EQ(host.ended.size(), 1u);
    EXPECT_TRUE(host.ended[0].ok());
    EXPECT_EQ(host.countSent("END"), 1);

    forgetSent();
    makeRadio();
    ASSERT_TRUE(engine.startWrite());
    answerWith("END", endEchoAndResend);
    host.run();
    ASSERT_EQ(host.ended.size(), 2u);
    EXPECT_TRUE(host.ended[1].ok());

    // An information read takes any other accepted reply as the end: "END"
    // once more, failed, the record untouched.
    forgetSent();
    makeRadio();
    const Snapshot before = snapshot();
    ASSERT_TRUE(engine.startInfoRead());
    answerWith("END", endEchoAndResend);
    host.run();
    ASSERT_EQ(host.ended.size(), 3u);
    EXPECT_EQ(host.ended[2].error.kind, LinkErrorKind::ProtocolViolation);
    EXPECT_EQ(host.countSent("END"), 2);
    EXPECT_EQ(snapshot(), before);
    EXPECT_FALSE(host.portOpen);
}

TEST_F(EngineTest, CompatibilityNamesTheModelFirstThenTheVersionThenTheBand)
{
    // Another model with another version: the model message alone.
    VirtualRadioIdentity id;
    id.model = "OTHER";
    id.version = "V102";
    makeRadio(id);
    ASSERT_TRUE(engine.startRead());
    host.run();
    EXPECT_TRUE(messageShown(Txt::ModelMismatch));
    EXPECT_EQ(host.countQuestions(LinkQuestion::HandOver), 0);
    EXPECT_EQ(host.ended.back().error.detail, LinkErrorDetail::WrongModel);

    // The same model with another version and another band, in a write:
    // the version question, not the band message.
    id = {};
    id.version = "V102";
    id.band = 2;
    makeRadio(id);
    host.messages.clear();
    host.answers = {NoticeAnswer::No};
    ASSERT_TRUE(engine.startWrite());
    host.run();
    EXPECT_EQ(host.countQuestions(LinkQuestion::HandOver), 1);
    EXPECT_FALSE(messageShown(Txt::BandModeDiffers));
    EXPECT_EQ(host.ended.back().error.detail, LinkErrorDetail::WrongVersion);
    EXPECT_EQ(host.countWriteFrames(), 0);

    // A model name that differs only by case is another model.
    id = {};
    id.model = "brisko7";
    makeRadio(id);
    ASSERT_TRUE(engine.startRead());
    host.run();
    EXPECT_EQ(host.ended.back().error.detail, LinkErrorDetail::WrongModel);
}

TEST_F(EngineTest, CancelledPasswordDialogKeepsThePasswordSendsEndAndSaysNothing)
{
    makeRadio({}, {}, "1234");
    engine.setPassword("77");
    host.passwords = {std::nullopt};
    const Snapshot before = snapshot();
    ASSERT_TRUE(engine.startWrite());
    host.run();
    EXPECT_EQ(host.passwordDialogs, 1);
    EXPECT_EQ(engine.password(), "77");
    EXPECT_TRUE(host.messages.empty());
    EXPECT_EQ(host.sent.back(), (Bytes{'E', 'N', 'D'}));
    EXPECT_EQ(host.countWriteFrames(), 0);
    const TransferOutcome& o = host.ended.back();
    EXPECT_EQ(o.error.kind, LinkErrorKind::RefusedByUser);
    EXPECT_FALSE(o.partlyWritten);
    EXPECT_EQ(radio().stats().blocksWritten, 0);
    EXPECT_EQ(snapshot(), before);

    // The right password in the dialog lets the same write go on at once.
    host.passwords = {std::string("1234")};
    ASSERT_TRUE(engine.startWrite());
    host.run();
    EXPECT_EQ(host.passwordDialogs, 2);
    EXPECT_EQ(host.countSent(std::string{'R', 0x3E, 0x10}), 2);  // one per transfer: checked again, not asked again
    EXPECT_TRUE(host.ended.back().ok());
    EXPECT_EQ(host.countWriteFrames(), 464);
}
