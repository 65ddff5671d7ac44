// What the user is told when a transfer stalls: a silent radio, a radio whose
// replies arrive damaged and a radio that keeps asking for a block again are
// three different troubles, and the question and the outcome say which.
#include "engine_fixture.h"
#include "lang_text_ids.h"

#include <functional>

namespace {

using FaultSetter = std::function<void(VirtualRadioFaults&, int address)>;

struct StallCase {
    const char* name;
    FaultSetter fault;
    int questionText;
    LinkErrorKind kind;
    LinkErrorDetail detail;
};

const std::vector<StallCase>& stallCases()
{
    static const std::vector<StallCase> cases{
        {"silence",
         [](VirtualRadioFaults& f, int a) {
             f.ignore = {a, 1000};
         },
         9008, LinkErrorKind::TimedOut, LinkErrorDetail::None},
        {"bad checksums",
         [](VirtualRadioFaults& f, int a) {
             f.badChecksum = {a, 1000};
         },
         9541, LinkErrorKind::ProtocolViolation, LinkErrorDetail::BadReplies},
        {"noise",
         [](VirtualRadioFaults& f, int a) {
             f.garbage = {a, 1000};
         },
         9541, LinkErrorKind::ProtocolViolation, LinkErrorDetail::BadReplies},
        {"frames cut short",
         [](VirtualRadioFaults& f, int a) {
             f.shortFrame = {a, 1000};
         },
         9541, LinkErrorKind::ProtocolViolation, LinkErrorDetail::BadReplies},
        {"wrong addresses",
         [](VirtualRadioFaults& f, int a) {
             f.wrongAddress = {a, 1000};
         },
         9541, LinkErrorKind::ProtocolViolation, LinkErrorDetail::BadReplies},
    };
    return cases;
}

class StallReasons : public EngineTest {
protected:
    // Runs a transfer of the kind against a radio that fails the block at
    // address for ever; the question is answered with Cancel.
    void runStalled(const StallCase& c, TransferKind kind, int address)
    {
        VirtualRadioFaults faults;
        c.fault(faults, address);
        makeRadio({}, faults);
        host.questions.clear();
        host.messages.clear();
        ASSERT_TRUE(kind == TransferKind::ReadInfo ? engine.startInfoRead() : engine.startRead());
        host.run();
    }
    void expectTold(const StallCase& c, LinkQuestion question)
    {
        ASSERT_EQ(host.questions.size(), 1u) << c.name;
        EXPECT_EQ(host.questions[0].question, question) << c.name;
        EXPECT_EQ(host.questions[0].text, GetLangText(c.questionText)) << c.name;
        const TransferOutcome& o = host.ended.back();
        EXPECT_EQ(o.error.kind, c.kind) << c.name;
        EXPECT_EQ(o.error.detail, c.detail) << c.name;
        // Silence ends without a further word; damage is named once more.
        EXPECT_EQ(messageShown(Txt::DamagedRepliesEnd), c.detail == LinkErrorDetail::BadReplies) << c.name;
        EXPECT_FALSE(host.portOpen) << c.name;
    }
};

TEST_F(StallReasons, TheRestartQuestionOfAnImageReadSaysWhatWentWrong)
{
    for (const StallCase& c : stallCases()) {
        runStalled(c, TransferKind::ReadImage, 0x0100);
        expectTold(c, LinkQuestion::Restart);
    }
}

TEST_F(StallReasons, TheRetryQuestionOfAnInformationReadSaysWhatWentWrong)
{
    for (const StallCase& c : stallCases()) {
        runStalled(c, TransferKind::ReadInfo, 0x3E50);
        expectTold(c, LinkQuestion::Retry);
    }
}

TEST_F(StallReasons, EndlessResendRequestsAreNamedInTheQuestionAndAfterIt)
{
    VirtualRadioFaults f;
    f.resend = {0x0040, 1000000};
    makeRadio({}, f);
    ASSERT_TRUE(engine.startWrite());
    host.run();
    ASSERT_EQ(host.questions.size(), 1u);
    EXPECT_EQ(host.questions[0].text, GetLangText(Txt::EndlessResendQuestion));
    EXPECT_TRUE(messageShown(Txt::RadioRepeatsBlock));
}

TEST_F(StallReasons, TheFinalWordsOfEachReasonComeFromTheLanguageFile)
{
    const std::vector<std::pair<LinkError, int>> cases{
        {LinkError::make(LinkErrorKind::TimedOut), 9543},
        {LinkError::make(LinkErrorKind::ProtocolViolation, LinkErrorDetail::BadReplies), 9544},
        {LinkError::make(LinkErrorKind::ProtocolViolation, LinkErrorDetail::EndlessResend), 9523},
    };
    for (const auto& [error, text] : cases) {
        ASSERT_FALSE(GetLangText(text).empty()) << text;
        EXPECT_EQ(DescribeLinkError(error), GetLangText(text)) << text;
    }
}

// ---------------------------------------------------------------- information read retries

TEST_F(EngineTest, AnInformationBlockIsRetriedLikeAnImageBlockBeforeTheQuestion)
{
    const std::vector<std::pair<const char*, FaultSetter>> faults{
        {"silent three times",
         [](VirtualRadioFaults& f, int a) {
             f.ignore = {a, 3};
         }},
        {"bad checksum",
         [](VirtualRadioFaults& f, int a) {
             f.badChecksum = {a, 1};
         }},
        {"noise twice",
         [](VirtualRadioFaults& f, int a) {
             f.garbage = {a, 2};
         }},
        {"cut short",
         [](VirtualRadioFaults& f, int a) {
             f.shortFrame = {a, 3};
         }},
    };
    for (const auto& [name, set] : faults) {
        VirtualRadioFaults f;
        set(f, 0x3E50);
        RadioInfoFields fields;
        fields.serialNo = "SN-RETRY";
        radioImage = DefaultRadioImage(0);
        auto radio = std::make_unique<VirtualRadio>(VirtualRadioIdentity{}, radioImage, BuildRadioInfo(0, fields), f);
        host.radio = radio.get();
        host.questions.clear();
        ASSERT_TRUE(engine.startInfoRead()) << name;
        host.run();
        EXPECT_TRUE(host.questions.empty()) << name;
        ASSERT_TRUE(host.ended.back().ok()) << name;
        EXPECT_EQ(doc.RadioInfo.SerialNo.rfind("SN-RETRY", 0), 0u) << name;
        host.radio = nullptr;
    }
}

TEST_F(EngineTest, AFourthFailureOfAnInformationBlockBringsTheRetryQuestion)
{
    VirtualRadioFaults f;
    f.ignore = {0x3E50, 4};
    makeRadio({}, f);
    int requestsBeforeQuestion = -1;
    host.duringQuestion = [&] { requestsBeforeQuestion = host.countSent(std::string{'R', 0x3E, 0x50}); };
    ASSERT_TRUE(engine.startInfoRead());
    host.run();
    EXPECT_EQ(host.countQuestions(LinkQuestion::Retry), 1);
    EXPECT_EQ(requestsBeforeQuestion, 4);
    EXPECT_FALSE(host.ended.back().ok());
}

TEST_F(EngineTest, EachRetryOfASilentInformationReadSendsOneHandshake)
{
    host.radio = nullptr;
    host.answers = {NoticeAnswer::Retry, NoticeAnswer::Retry, NoticeAnswer::Cancel};
    ASSERT_TRUE(engine.startInfoRead());
    host.run();
    EXPECT_EQ(host.countQuestions(LinkQuestion::Retry), 3);
    // Four handshakes before the first question, then one before each other.
    EXPECT_EQ(host.countSent("PROGRAM"), 4 + 1 + 1);
    EXPECT_EQ(host.ended.back().error.kind, LinkErrorKind::TimedOut);
    EXPECT_FALSE(host.portOpen);
}

}  // namespace

// ---------------------------------------------------------------- late and silent radios

// On an echoing cable the echo of an unanswered handshake is the echo, not a
// damaged reply: a radio that answers the fourth handshake is heard, a radio
// that never answers is silent. Without echo the same holds.
TEST_F(EngineTest, ALateOrSilentRadioIsToldApartWithAndWithoutEcho)
{
    struct Case {
        TransferKind kind;
        bool echo;
        int ignored;
        LinkErrorKind result;
    };
    std::vector<Case> cases;
    for (TransferKind kind : {TransferKind::ReadImage, TransferKind::WriteImage, TransferKind::ReadInfo})
        for (bool echo : {true, false}) {
            cases.push_back({kind, echo, 3, LinkErrorKind::None});
            cases.push_back({kind, echo, 100, LinkErrorKind::TimedOut});
        }
    for (const Case& c : cases) {
        VirtualRadioIdentity id;
        id.echo = c.echo;
        VirtualRadioFaults faults;
        faults.ignoreHandshakes = c.ignored;
        makeRadio(id, faults);
        host.questions.clear();
        host.ended.clear();
        engine.setEchoExpected(true);
        const bool started = c.kind == TransferKind::ReadInfo ? engine.startInfoRead()
            : c.kind == TransferKind::ReadImage               ? engine.startRead()
                                                              : engine.startWrite();
        ASSERT_TRUE(started);
        host.run();
        const std::string name = std::to_string(static_cast<int>(c.kind)) + (c.echo ? " echo " : " no echo ")
            + std::to_string(c.ignored);
        ASSERT_FALSE(host.ended.empty()) << name;
        EXPECT_EQ(host.ended.back().error.kind, c.result) << name;
        const int asked = c.result == LinkErrorKind::None ? 0 : 1;
        ASSERT_EQ(static_cast<int>(host.questions.size()), asked) << name;
        if (asked) {
            EXPECT_EQ(host.questions[0].text, GetLangText(Txt::RadioNoAnswer)) << name;
        }
    }
}
