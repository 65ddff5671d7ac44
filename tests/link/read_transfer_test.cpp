#include "engine_fixture.h"
#include "lang_text_ids.h"

namespace {

TEST_F(EngineTest, FullReadWithEchoDecodesOnlyWhenTheReadOkTimerExpires)
{
    const Snapshot before = snapshot();
    ASSERT_TRUE(engine.startRead());
    EXPECT_TRUE(host.progressShown);
    // Run the line until only the read completion is left.
    host.run(100000, LinkTimer::ReadOK);
    ASSERT_EQ(host.ended.size(), 1u);
    EXPECT_TRUE(host.ended[0].ok());
    EXPECT_EQ(host.countSent("PROGRAM"), 1);
    EXPECT_EQ(host.countSent("R"), 1 + 464);  // password block, then the image
    EXPECT_EQ(host.countSent("END"), 1);
    EXPECT_EQ(doc.Image, radioImage);
    EXPECT_FALSE(host.portOpen);
    EXPECT_FALSE(host.progressShown);
    EXPECT_TRUE(messageShown(Txt::ReadCompleted));
    EXPECT_EQ(snapshot(), before);  // nothing decoded yet
    ASSERT_TRUE(host.timers.count(LinkTimer::ReadOK));
    EXPECT_EQ(host.timers[LinkTimer::ReadOK] - host.nowMs, 500);

    // The decoded document is announced as replaced, so open windows refresh.
    struct Replacements : DocumentObserver {
        int count = 0;
        void documentReplaced() override { ++count; }
    } replacements;
    doc.addObserver(&replacements);
    host.run();
    doc.removeObserver(&replacements);
    EXPECT_EQ(replacements.count, 1);
    EXPECT_EQ(host.readsCompleted, 1);
    EXPECT_EQ(doc.ChannelCount, 40);
    EXPECT_EQ(doc.DocFileName, "new.dat");
    EXPECT_TRUE(doc.IsUntitled);
    EXPECT_EQ(doc.Radio.RadioModel, "BRISKO7");
    EXPECT_EQ(host.progress.back(), 100);
    EXPECT_FALSE(engine.busy());
}

TEST_F(EngineTest, RadioThatNeverEchoesIsFoundOnTheSecondHandshakeAndRemembered)
{
    VirtualRadioIdentity id;
    id.echo = false;
    makeRadio(id);
    ASSERT_TRUE(engine.echoExpected());
    ASSERT_TRUE(engine.startRead());
    host.run();
    ASSERT_EQ(host.ended.size(), 1u);
    EXPECT_TRUE(host.ended[0].ok());
    EXPECT_EQ(host.countSent("PROGRAM"), 2);
    EXPECT_EQ(host.sentAtMs[1], LinkProtocol::ReplyTimeMs);
    EXPECT_FALSE(engine.echoExpected());
    EXPECT_EQ(doc.Image, radioImage);

    host.sent.clear();
    ASSERT_TRUE(engine.startRead());
    host.run();
    EXPECT_EQ(host.countSent("PROGRAM"), 1);  // the next transfer starts without echo
    EXPECT_EQ(host.ended.back().error, LinkError::none());
}

TEST_F(EngineTest, NoRadioMeansFourHandshakesThenTheRestartQuestion)
{
    host.radio = nullptr;
    const Snapshot before = snapshot();
    ASSERT_TRUE(engine.startRead());
    host.run();
    ASSERT_EQ(host.countSent("PROGRAM"), 4);
    EXPECT_EQ(host.sentAtMs[0], 0);
    EXPECT_EQ(host.sentAtMs[3], 450);
    ASSERT_EQ(host.questions.size(), 1u);
    EXPECT_EQ(host.questions[0].question, LinkQuestion::Restart);
    EXPECT_EQ(host.questions[0].atMs, 600);
    // Cancel: "END" without waiting, the port closed, no message, nothing changed.
    EXPECT_EQ(host.countSent("END"), 1);
    ASSERT_EQ(host.ended.size(), 1u);
    EXPECT_EQ(host.ended[0].error.kind, LinkErrorKind::TimedOut);
    EXPECT_FALSE(host.portOpen);
    EXPECT_TRUE(host.messages.empty());
    EXPECT_EQ(snapshot(), before);
    EXPECT_EQ(host.readsCompleted, 0);
}

TEST_F(EngineTest, ABlockSilentThreeTimesIsAskedAFourthTime)
{
    VirtualRadioFaults f;
    f.ignore = {0x0020, 3};
    makeRadio({}, f);
    ASSERT_TRUE(engine.startRead());
    host.run();
    EXPECT_TRUE(host.questions.empty());
    EXPECT_EQ(host.countSent(std::string{'R', 0x00, 0x20}), 4);
    ASSERT_EQ(host.ended.size(), 1u);
    EXPECT_TRUE(host.ended[0].ok());
    EXPECT_EQ(doc.Image, radioImage);
}

TEST_F(EngineTest, AFourthSilenceBringsTheRestartQuestionAndTheBlockKeepsNoRetries)
{
    VirtualRadioFaults f;
    f.ignore = {0x0020, 4};
    makeRadio({}, f);
    int retriesSeen = -1;
    host.duringQuestion = [&] { retriesSeen = engine.blockRetries(2); };
    host.answers = {NoticeAnswer::Ok};
    ASSERT_TRUE(engine.startRead());
    host.run();
    ASSERT_EQ(host.countQuestions(LinkQuestion::Restart), 1);
    EXPECT_EQ(retriesSeen, 0);
    EXPECT_EQ(host.countSent("PROGRAM"), 2);  // started over from the handshake
    EXPECT_EQ(host.countSent(std::string{'R', 0x00, 0x00}), 2);
    ASSERT_EQ(host.ended.size(), 1u);
    EXPECT_TRUE(host.ended[0].ok());
    EXPECT_EQ(doc.Image, radioImage);
}

TEST_F(EngineTest, FlawedRepliesAreDroppedAndTheBlockIsAskedAgain)
{
    struct Case {
        const char* name;
        BlockFault VirtualRadioFaults::*fault;
    };
    const Case cases[] = {{"bad checksum", &VirtualRadioFaults::badChecksum},
                          {"wrong address", &VirtualRadioFaults::wrongAddress},
                          {"short frame", &VirtualRadioFaults::shortFrame},
                          {"garbage", &VirtualRadioFaults::garbage}};
    for (const Case& c : cases) {
        VirtualRadioFaults f;
        f.*(c.fault) = {0x0100, 1};
        makeRadio({}, f);
        host.sent.clear();
        host.ended.clear();
        doc.Image.clear();
        ASSERT_TRUE(engine.startRead()) << c.name;
        host.run();
        EXPECT_EQ(host.countSent(std::string{'R', 0x01, 0x00}), 2) << c.name;
        ASSERT_EQ(host.ended.size(), 1u) << c.name;
        EXPECT_TRUE(host.ended[0].ok()) << c.name;
        EXPECT_EQ(doc.Image, radioImage) << c.name;
    }
}

TEST_F(EngineTest, UnansweredEndStillCompletesTheRead)
{
    VirtualRadioFaults f;
    f.noEndAck = true;
    makeRadio({}, f);
    ASSERT_TRUE(engine.startRead());
    host.run();
    ASSERT_EQ(host.ended.size(), 1u);
    EXPECT_TRUE(host.ended[0].ok());
    EXPECT_TRUE(messageShown(Txt::ReadCompleted));
    EXPECT_EQ(host.readsCompleted, 1);
    EXPECT_EQ(doc.ChannelCount, 40);
}

TEST_F(EngineTest, PasswordOfTheRadio)
{
    // No password: no dialog.
    ASSERT_TRUE(engine.startRead());
    host.run();
    EXPECT_EQ(host.passwordDialogs, 0);
    EXPECT_TRUE(host.ended.back().ok());

    // A wrong password, then the right one in a second transfer.
    makeRadio({}, {}, "1234");
    host.passwords = {std::string("9999")};
    ASSERT_TRUE(engine.startRead());
    host.run();
    EXPECT_EQ(host.passwordDialogs, 1);
    EXPECT_TRUE(messageContains("PassWord Failure!"));
    EXPECT_EQ(host.ended.back().error.detail, LinkErrorDetail::WrongPassword);
    EXPECT_EQ(host.sent.back(), (Bytes{'E', 'N', 'D'}));

    host.passwords = {std::string("1234")};
    ASSERT_TRUE(engine.startRead());
    host.run();
    EXPECT_EQ(host.passwordDialogs, 2);
    EXPECT_TRUE(host.ended.back().ok());
    EXPECT_EQ(engine.password(), "1234");

    // The entered password is remembered: no dialog the next time.
    ASSERT_TRUE(engine.startRead());
    host.run();
    EXPECT_EQ(host.passwordDialogs, 2);

    // Cancelled dialog.
    engine.setPassword("");
    ASSERT_TRUE(engine.startRead());
    host.run();
    EXPECT_EQ(host.ended.back().error.kind, LinkErrorKind::RefusedByUser);
}

TEST_F(EngineTest, OtherModelIsRefusedWithBothNames)
{
    VirtualRadioIdentity id;
    id.model = "OTHER";
    makeRadio(id);
    const Snapshot before = snapshot();
    ASSERT_TRUE(engine.startRead());
    host.run();
    EXPECT_TRUE(messageShown(Txt::ModelMismatch));
    EXPECT_TRUE(messageContains("PC is BRISKO7"));
    EXPECT_TRUE(messageContains("Radio is OTHER"));
    EXPECT_EQ(host.countSent("R"), 1);  // the password block only
    EXPECT_EQ(host.ended.back().error.detail, LinkErrorDetail::WrongModel);
    EXPECT_EQ(host.sent.back(), (Bytes{'E', 'N', 'D'}));
    EXPECT_EQ(snapshot(), before);
}

TEST_F(EngineTest, UnknownBandIsRefusedAtIdentification)
{
    VirtualRadioIdentity id;
    id.band = 5;
    makeRadio(id);
    const Snapshot before = snapshot();
    ASSERT_TRUE(engine.startRead());
    host.run();
    EXPECT_TRUE(messageContains("Country Mode Error!"));
    EXPECT_EQ(host.countSent("R"), 0);
    EXPECT_EQ(host.sent.back(), (Bytes{'E', 'N', 'D'}));
    EXPECT_EQ(host.ended.back().error.detail, LinkErrorDetail::UnknownBand);
    EXPECT_EQ(host.readsCompleted, 0);
    EXPECT_EQ(snapshot(), before);
}

TEST_F(EngineTest, OtherVersionOffersTheHandOverOnlyAfterTheUnsavedChangesQuestion)
{
    VirtualRadioIdentity id;
    id.version = "V102";
    makeRadio(id);

    host.answers = {NoticeAnswer::No};
    ASSERT_TRUE(engine.startRead());
    host.run();
    EXPECT_EQ(host.countQuestions(LinkQuestion::HandOver), 1);
    EXPECT_EQ(host.countQuestions(LinkQuestion::UnsavedChanges), 0);
    EXPECT_EQ(host.ended.back().error.detail, LinkErrorDetail::WrongVersion);

    host.answers = {NoticeAnswer::Yes, NoticeAnswer::Cancel};  // Cancel keeps the program
    ASSERT_TRUE(engine.startRead());
    host.run();
    EXPECT_EQ(host.countQuestions(LinkQuestion::UnsavedChanges), 1);
    EXPECT_TRUE(host.startedVersions.empty());
    EXPECT_FALSE(host.ended.back().handedOver);

    host.answers = {NoticeAnswer::Yes, NoticeAnswer::No};  // no version handles V102
    ASSERT_TRUE(engine.startRead());
    host.run();
    EXPECT_TRUE(messageShown(Txt::NoVersionForData));
    EXPECT_TRUE(host.startedVersions.empty());
    EXPECT_FALSE(host.ended.back().handedOver);

    VersionList::instance().setHandlers({{"V100", "V100"}, {"V101", "V102"}});
    host.startSucceeds = false;
    host.answers = {NoticeAnswer::Yes, NoticeAnswer::No};
    ASSERT_TRUE(engine.startRead());
    host.run();
    EXPECT_TRUE(messageShown(Txt::OtherVersionNotStarted));
    EXPECT_FALSE(host.ended.back().handedOver);

    host.startSucceeds = true;
    host.answers = {NoticeAnswer::Yes, NoticeAnswer::Yes};
    ASSERT_TRUE(engine.startRead());
    host.run();
    EXPECT_EQ(host.startedVersions.back(), "V102");
    EXPECT_TRUE(host.ended.back().handedOver);
    EXPECT_EQ(host.countSent("R"), 5);  // only the password blocks of the five attempts
}

TEST_F(EngineTest, FailedReadLeavesTheDocumentAlone)
{
    VirtualRadioFaults f;
    f.deadAfterBlocks = 100;
    makeRadio({}, f);
    const Snapshot before = snapshot();
    ASSERT_TRUE(engine.startRead());
    host.run();
    EXPECT_EQ(host.countQuestions(LinkQuestion::Restart), 1);
    EXPECT_FALSE(host.ended.back().ok());
    EXPECT_EQ(snapshot(), before);
    EXPECT_EQ(host.readsCompleted, 0);
    EXPECT_TRUE(host.timers.empty());
}

TEST_F(EngineTest, DisappearingDeviceEndsTheTransferAtOnce)
{
    ASSERT_TRUE(engine.startRead());
    host.run(50);
    ASSERT_TRUE(engine.busy());
    const Snapshot before = snapshot();
    engine.portFailed(LinkError::make(LinkErrorKind::SystemError, LinkErrorDetail::DeviceLost, "No such device"));
    EXPECT_FALSE(engine.busy());
    EXPECT_FALSE(host.portOpen);
    EXPECT_FALSE(host.progressShown);
    EXPECT_TRUE(host.timers.empty());
    EXPECT_TRUE(messageShown(Txt::SerialDeviceLost));
    EXPECT_EQ(host.ended.back().error.detail, LinkErrorDetail::DeviceLost);
    const std::size_t sent = host.sent.size();
    host.run();
    EXPECT_EQ(host.sent.size(), sent);
    EXPECT_EQ(snapshot(), before);
}

TEST_F(EngineTest, DeviceGoneAfterEndCountsLikeAMissingAcknowledgement)
{
    VirtualRadioFaults f;
    f.noEndAck = true;
    makeRadio({}, f);
    ASSERT_TRUE(engine.startRead());
    while (host.countSent("END") == 0 && engine.busy())
        host.run(1);
    ASSERT_EQ(engine.phase(), TransferPhase::Ending);
    engine.portFailed(LinkError::make(LinkErrorKind::SystemError, LinkErrorDetail::DeviceLost));
    ASSERT_EQ(host.ended.size(), 1u);
    EXPECT_TRUE(host.ended[0].ok());
    host.run();
    EXPECT_EQ(host.readsCompleted, 1);
}

TEST_F(EngineTest, DeviceLostWhileTheRestartQuestionIsOpenSendsNothingMore)
{
    host.radio = nullptr;
    host.answers = {NoticeAnswer::Ok};
    host.duringQuestion = [&] {
        engine.portFailed(LinkError::make(LinkErrorKind::SystemError, LinkErrorDetail::DeviceLost));
    };
    ASSERT_TRUE(engine.startRead());
    host.run();
    EXPECT_EQ(host.countSent("PROGRAM"), 4);  // no fifth handshake after the OK
    EXPECT_EQ(host.ended.size(), 1u);
    EXPECT_FALSE(engine.busy());
}

TEST_F(EngineTest, StartingIsRefusedWhileBusyOrWhenThePortWillNotOpen)
{
    ASSERT_TRUE(engine.startRead());
    EXPECT_FALSE(engine.startRead());
    EXPECT_FALSE(engine.startInfoRead());
    EXPECT_TRUE(messageShown(Txt::TransferRunning));
    host.run();

    host.messages.clear();
    host.sent.clear();
    host.openError = LinkError::make(LinkErrorKind::SystemError, LinkErrorDetail::PermissionDenied, "Permission denied",
                                     "/dev/ttyUSB0");
    EXPECT_FALSE(engine.startRead());
    EXPECT_TRUE(messageShown(Txt::PortOpenFailed));
    EXPECT_TRUE(messageShown(Txt::SerialDeviceNoAccess));
    EXPECT_TRUE(messageContains("Permission denied"));
    EXPECT_TRUE(host.sent.empty());
    EXPECT_EQ(engine.lastOutcome().error.detail, LinkErrorDetail::PermissionDenied);
    EXPECT_FALSE(engine.busy());
}

TEST_F(EngineTest, StartQuestionCancelledSendsNothing)
{
    engine.setConfirmStart(true);
    ASSERT_FALSE(engine.startRead());
    EXPECT_EQ(host.countQuestions(LinkQuestion::ConfirmRead), 1);
    EXPECT_EQ(host.opens, 1);  // the port was tested, then closed again
    EXPECT_FALSE(host.portOpen);
    EXPECT_TRUE(host.sent.empty());
    EXPECT_FALSE(engine.busy());

    host.answers = {NoticeAnswer::Ok};
    ASSERT_TRUE(engine.startRead());
    host.run();
    EXPECT_TRUE(host.ended.back().ok());
}

}  // namespace
