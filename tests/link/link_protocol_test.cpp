#include "core/link/link_error.h"
#include "core/link/link_protocol.h"

#include "core/base/app_state.h"
#include "core/base/lang_texts.h"
#include "lang_text_ids.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

using namespace LinkProtocol;

Bytes dataFrame(int address, std::uint8_t fill)
{
    const std::vector<std::uint8_t> data(16, fill);
    return writeFrame(address, data.data());
}

TEST(LinkProtocol, WriteFrameOfTheLastBlockCarriesTheKnownChecksum)
{
    const Bytes frame = dataFrame(0x1CF0, 0);
    ASSERT_EQ(frame.size(), 22u);
    EXPECT_EQ(frame[0], 'W');
    EXPECT_EQ(frame[1], 0x1C);
    EXPECT_EQ(frame[2], 0xF0);
    EXPECT_EQ(frame[3], 0x10);
    EXPECT_EQ(frame[20], 0x1C);  // 0x1C + 0xF0 + 0x10 = 0x11C
    EXPECT_EQ(frame[21], 0x06);
    EXPECT_EQ(readRequest(0x0010, 16), (Bytes{'R', 0x00, 0x10, 0x10}));
    EXPECT_EQ(readRequest(0x3E10, 16), (Bytes{'R', 0x3E, 0x10, 0x10}));
}

TEST(LinkProtocol, ClassifiersDecideInTheirOrder)
{
    ClassifyContext ctx;
    ctx.blockAddress = 0x0010;
    const Bytes ack{0x06}, resend{0x0A}, zk{'Z', 'K', 0x06};
    EXPECT_EQ(classifyReply(ack.data(), ack.size(), ctx), ReplyKind::Ack);
    EXPECT_EQ(classifyReply(resend.data(), resend.size(), ctx), ReplyKind::Resend);
    EXPECT_EQ(classifyReply(zk.data(), zk.size(), ctx), ReplyKind::Handshake);
    Bytes ident(16, 0);
    ident[0] = 'I';
    ident[15] = 0x06;
    EXPECT_EQ(classifyReply(ident.data(), ident.size(), ctx), ReplyKind::Ident);
    ident[15] = 0x00;
    EXPECT_EQ(classifyReply(ident.data(), ident.size(), ctx), ReplyKind::None);

    const Bytes block = dataFrame(0x0010, 7);
    EXPECT_EQ(classifyReply(block.data(), block.size(), ctx), ReplyKind::Data);
    const Bytes info = dataFrame(0x3E10, 0xFF);
    EXPECT_EQ(classifyReply(info.data(), info.size(), ctx), ReplyKind::None);  // not awaited
    ctx.passwordPhase = true;
    EXPECT_EQ(classifyReply(info.data(), info.size(), ctx), ReplyKind::Info);
}

TEST(LinkProtocol, DataRepliesWithAnyFlawAreDropped)
{
    ClassifyContext ctx;
    ctx.blockAddress = 0x0010;
    Bytes badSum = dataFrame(0x0010, 3);
    badSum[20] = static_cast<std::uint8_t>(badSum[20] + 1);
    EXPECT_EQ(classifyReply(badSum.data(), badSum.size(), ctx), ReplyKind::None);
    const Bytes other = dataFrame(0x0020, 3);
    EXPECT_EQ(classifyReply(other.data(), other.size(), ctx), ReplyKind::None);
    Bytes noAck = dataFrame(0x0010, 3);
    noAck[21] = 0x00;
    EXPECT_EQ(classifyReply(noAck.data(), noAck.size(), ctx), ReplyKind::None);
    const Bytes good = dataFrame(0x0010, 3);
    const Bytes shortened(good.begin(), good.end() - 2);
    EXPECT_EQ(classifyReply(shortened.data(), shortened.size(), ctx), ReplyKind::None);
    Bytes notW = good;
    notW[0] = 'X';
    EXPECT_EQ(classifyReply(notW.data(), notW.size(), ctx), ReplyKind::None);
}

TEST(LinkProtocol, IdentificationRecordFieldsEndAtNulAndLoseTrailingBlanks)
{
    Bytes ident{'I', 'A', 'B', 'C', 0, 0, 0, 0, 2, 'V', '1', '0', '0', 0x01, 0, 0x06};
    RadioIdentity radio;
    ParseIdentReply(ident.data(), radio);
    EXPECT_EQ(radio.RadioModel, "ABC");
    EXPECT_EQ(radio.RadioBand, 2);
    EXPECT_EQ(radio.RadioVersion, "V100");
    EXPECT_TRUE(radio.ToneSupported);
    ident = {'I', 'B', 'R', 'I', 'S', 'K', ' ', ' ', 0, 'V', '1', 0, 0, 0x02, 0, 0x06};
    ParseIdentReply(ident.data(), radio);
    EXPECT_EQ(radio.RadioModel, "BRISK");
    EXPECT_EQ(radio.RadioVersion, "V1");
    EXPECT_FALSE(radio.ToneSupported);  // only bit 0 counts
}

TEST(LinkProtocol, PasswordOfTheInformationBlock)
{
    std::vector<std::uint8_t> data(16, 0x20);
    data[12] = 0xFF;
    data[13] = 0xFF;
    data[14] = 0xFF;
    data[15] = 0xFF;
    Bytes frame = writeFrame(0x3E10, data.data());
    EXPECT_TRUE(CheckPassword(frame.data(), ""));
    EXPECT_TRUE(CheckPassword(frame.data(), "anything"));  // no password at all
    data[12] = 0x00;
    frame = writeFrame(0x3E10, data.data());
    EXPECT_TRUE(CheckPassword(frame.data(), "x"));
    data[12] = '1';
    data[13] = '2';
    data[14] = ' ';
    data[15] = 0xFF;
    frame = writeFrame(0x3E10, data.data());
    EXPECT_EQ(passwordOfInfoReply(frame.data()), "12");
    EXPECT_TRUE(CheckPassword(frame.data(), "12"));
    EXPECT_FALSE(CheckPassword(frame.data(), "12 "));
    EXPECT_FALSE(CheckPassword(frame.data(), ""));
}

class LinkErrorTest : public ::testing::Test {
protected:
    void SetUp() override { AppState::instance().setProgramFolder(BRISKO7_SOURCE_DIR "/data"); }
};

TEST_F(LinkErrorTest, EveryKindHasItsOwnExitStatus)
{
    EXPECT_EQ(LinkExitStatus(LinkError::none()), 0);
    const LinkErrorKind kinds[] = {LinkErrorKind::CallerError,    LinkErrorKind::SystemError,
                                   LinkErrorKind::TimedOut,       LinkErrorKind::ProtocolViolation,
                                   LinkErrorKind::RefusedByRadio, LinkErrorKind::RefusedByUser};
    std::vector<int> seen;
    for (LinkErrorKind k : kinds) {
        const int status = LinkExitStatus(LinkError::make(k));
        EXPECT_NE(status, 0);
        EXPECT_EQ(std::count(seen.begin(), seen.end(), status), 0) << LinkErrorKindName(k);
        seen.push_back(status);
    }
}

TEST_F(LinkErrorTest, ALostDeviceIsOneSentenceOfTheProgramsLanguageAndThePort)
{
    for (int language : {1, 2}) {
        AppState::instance().setLanguage(static_cast<std::int16_t>(language));
        const LinkError e = LinkError::make(LinkErrorKind::SystemError, LinkErrorDetail::DeviceLost,
                                            "the device was removed or hung up", "COM2 (/dev/ttyUSB0)");
        EXPECT_EQ(DescribeLinkError(e),
                  GetLangText(Txt::SerialDeviceLost) + "\r\n" + GetLangText(Txt::PortDeviceColumn)
                      + ": COM2 (/dev/ttyUSB0)");
    }
    AppState::instance().setLanguage(1);
}

TEST_F(LinkErrorTest, AdviceWorkedOutFromTheSystemReplacesTheGeneralOne)
{
    LinkError e = LinkError::make(LinkErrorKind::SystemError, LinkErrorDetail::PermissionDenied, "Permission denied",
                                  "COM1 (/dev/ttyS0)");
    e.advice = "join uucp";
    EXPECT_EQ(DescribeLinkError(e),
              "join uucp\r\nPermission denied\r\n" + GetLangText(Txt::PortDeviceColumn) + ": COM1 (/dev/ttyS0)");
}

TEST_F(LinkErrorTest, PermissionDeniedSaysWhatToDoAndKeepsTheSystemReason)
{
    ASSERT_FALSE(GetLangText(Txt::SerialDeviceNoAccess).empty());
    const LinkError e = LinkError::make(LinkErrorKind::SystemError, LinkErrorDetail::PermissionDenied,
                                        "Permission denied", "/dev/ttyUSB0");
    const std::string text = DescribeLinkError(e);
    EXPECT_NE(text.find("dialout"), std::string::npos);
    EXPECT_NE(text.find("Permission denied"), std::string::npos);
    EXPECT_NE(text.find("/dev/ttyUSB0"), std::string::npos);
    EXPECT_EQ(DescribeLinkError(LinkError::none()), "");
    EXPECT_NE(DescribeLinkError(LinkError::make(LinkErrorKind::RefusedByRadio, LinkErrorDetail::UnknownBand))
                  .find("Country Mode Error!"),
              std::string::npos);
}

}  // namespace
