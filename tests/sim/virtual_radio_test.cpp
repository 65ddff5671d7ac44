#include "virtual_radio/virtual_radio.h"
#include "virtual_radio/virtual_radio_memory.h"
#include "session_counter.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes text(const std::string& s)
{
    return Bytes(s.begin(), s.end());
}

Bytes cat(Bytes a, const Bytes& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

Bytes readRequest(int address)
{
    return {'R', static_cast<std::uint8_t>(address >> 8), static_cast<std::uint8_t>(address & 0xFF), 0x10};
}

// A write frame built the way the program builds it: "W", address, 0x10,
// 16 data bytes, the sum of address, length and data bytes, 0x06.
Bytes writeFrame(int address, std::uint8_t fill, int checksumError = 0)
{
    Bytes f{'W', static_cast<std::uint8_t>(address >> 8), static_cast<std::uint8_t>(address & 0xFF), 0x10};
    f.insert(f.end(), 16, fill);
    unsigned sum = 0;
    for (std::size_t i = 1; i < f.size(); ++i)
        sum += f[i];
    f.push_back(static_cast<std::uint8_t>(sum + checksumError));
    f.push_back(0x06);
    return f;
}

const Bytes Ack{0x06};
const Bytes ZK{'Z', 'K', 0x06};

class VirtualRadioTest : public ::testing::Test {
protected:
    VirtualRadio make(VirtualRadioFaults faults = {}, bool echo = false)
    {
        VirtualRadioIdentity id;
        id.echo = echo;
        RadioImage image;
        for (std::size_t i = 0; i < image.size(); ++i)
            image.setByte(i, static_cast<std::uint8_t>(i * 7));
        RadioInfoFields fields;
        fields.password = m_password;
        return VirtualRadio(id, image, BuildRadioInfo(0, fields), faults);
    }
    // Handshake and identification done; with an echoing cable every answer
    // starts with the request itself.
    void open(VirtualRadio& radio)
    {
        const bool echo = radio.identity().echo;
        ASSERT_EQ(radio.receive(text("PROGRAM")), echo ? cat(text("PROGRAM"), ZK) : ZK);
        ASSERT_EQ(radio.receive(Bytes{0x02}).size(), echo ? 17u : 16u);
    }

    std::string m_password;
};

TEST_F(VirtualRadioTest, HandshakeAndIdentificationWithAndWithoutEcho)
{
    VirtualRadio quiet = make();
    EXPECT_EQ(quiet.receive(text("PROGRAM")), ZK);
    EXPECT_TRUE(quiet.inSession());

    VirtualRadio echoing = make({}, true);
    EXPECT_EQ(echoing.receive(text("PROGRAM")), cat(text("PROGRAM"), ZK));
    const Bytes ident = echoing.receive(Bytes{0x02});
    ASSERT_EQ(ident.size(), 17u);  // echo + record
    EXPECT_EQ(ident[0], 0x02);
    const Bytes expected = cat(cat(text("IBRISKO7"), Bytes{0}), cat(text("V100"), Bytes{1, 0, 0x06}));
    EXPECT_EQ(Bytes(ident.begin() + 1, ident.end()), expected);
}

TEST_F(VirtualRadioTest, IgnoresEverythingButTheHandshakeOutsideASession)
{
    VirtualRadio radio = make();
    EXPECT_TRUE(radio.receive(Bytes{0x02}).empty());
    EXPECT_TRUE(radio.receive(readRequest(0)).empty());
    EXPECT_TRUE(radio.receive(text("END")).empty());
    EXPECT_EQ(radio.receive(text("xxPROGR")), Bytes{});
    EXPECT_EQ(radio.receive(text("AM")), ZK);  // handshake split over two reads
}

TEST_F(VirtualRadioTest, ReadReplyCarriesMemoryAndChecksum)
{
    VirtualRadio radio = make();
    open(radio);
    const Bytes reply = radio.receive(readRequest(0x0010));
    ASSERT_EQ(reply.size(), 22u);
    EXPECT_EQ(reply[0], 'W');
    EXPECT_EQ(reply[1], 0x00);
    EXPECT_EQ(reply[2], 0x10);
    EXPECT_EQ(reply[3], 0x10);
    unsigned sum = 0x10 + 0x10;
    for (int i = 0; i < 16; ++i) {
        EXPECT_EQ(reply[4 + i], static_cast<std::uint8_t>((0x10 + i) * 7));
        sum += reply[4 + i];
    }
    EXPECT_EQ(reply[20], static_cast<std::uint8_t>(sum));
    EXPECT_EQ(reply[21], 0x06);
}

TEST_F(VirtualRadioTest, LastBlockOfZerosHasTheKnownChecksum)
{
    VirtualRadio radio(VirtualRadioIdentity{}, RadioImage{}, RadioInfoBlock{});
    radio.receive(text("PROGRAM"));
    const Bytes reply = radio.receive(readRequest(0x1CF0));
    ASSERT_EQ(reply.size(), 4u + 22u);  // echo of the 4-byte request first
    EXPECT_EQ(reply[4 + 20], 0x1C);
}

TEST_F(VirtualRadioTest, InformationAreaHoldsPasswordAndTexts)
{
    m_password = "12";
    VirtualRadio radio = make();
    open(radio);
    const Bytes reply = radio.receive(readRequest(0x3E10));
    ASSERT_EQ(reply.size(), 22u);
    EXPECT_EQ(reply[4 + 12], '1');
    EXPECT_EQ(reply[4 + 13], '2');
    EXPECT_EQ(reply[4 + 14], 0xFF);
    const Bytes serial = radio.receive(readRequest(0x3E30));
    EXPECT_EQ(std::string(serial.begin() + 4, serial.begin() + 15), "SIM00000001");
    EXPECT_EQ(serial[4 + 11], 0xFF);
}

TEST_F(VirtualRadioTest, WriteFramesAreStoredOrRefused)
{
    VirtualRadio radio = make();
    open(radio);
    EXPECT_EQ(radio.receive(writeFrame(0x0020, 0xAB)), Ack);
    EXPECT_EQ(radio.image().byte(0x0020), 0xAB);
    EXPECT_EQ(radio.image().byte(0x002F), 0xAB);
    EXPECT_EQ(radio.image().byte(0x0030), static_cast<std::uint8_t>(0x30 * 7));

    EXPECT_EQ(radio.receive(writeFrame(0x0040, 0xCD, 1)), Bytes{0x0A});  // bad checksum
    EXPECT_NE(radio.image().byte(0x0040), 0xCD);
    EXPECT_TRUE(radio.receive(writeFrame(0x3E10, 0x00)).empty());  // information area is read-only
    EXPECT_EQ(radio.info().byte(0x10), 0xFF);

    // A frame arriving in pieces is answered once it is whole.
    const Bytes frame = writeFrame(0x1CF0, 0x11);
    EXPECT_TRUE(radio.receive(Bytes(frame.begin(), frame.begin() + 9)).empty());
    EXPECT_EQ(radio.receive(Bytes(frame.begin() + 9, frame.end())), Ack);
    EXPECT_EQ(radio.stats().blocksWritten, 2);
}

TEST_F(VirtualRadioTest, EndClosesTheSessionAndTellsWhetherItWrote)
{
    VirtualRadio radio = make();
    open(radio);
    radio.receive(readRequest(0));
    EXPECT_EQ(radio.receive(text("END")), Ack);
    EXPECT_TRUE(radio.takeSessionEnd());
    EXPECT_FALSE(radio.takeSessionEnd());
    EXPECT_FALSE(radio.sessionWrote());
    EXPECT_FALSE(radio.inSession());

    open(radio);
    radio.receive(writeFrame(0, 1));
    radio.receive(text("END"));
    EXPECT_TRUE(radio.takeSessionEnd());
    EXPECT_TRUE(radio.sessionWrote());
    EXPECT_EQ(radio.stats().sessions, 2);
}

TEST_F(VirtualRadioTest, EachSessionIsReportedWithItsOwnCounts)
{
    VirtualRadio radio = make();
    SessionCounter counter;
    // A read of three blocks, then a write of two, then a session that only
    // shakes hands: every report counts its own session alone.
    open(radio);
    for (int address : {0x00, 0x10, 0x20})
        radio.receive(readRequest(address));
    radio.receive(text("END"));
    EXPECT_EQ(counter.sessionEnded(radio.stats()), "session 1 ended (3 blocks read, 0 written, 0 resend requests)");
    open(radio);
    radio.receive(writeFrame(0x00, 1));
    radio.receive(writeFrame(0x10, 2));
    radio.receive(text("END"));
    EXPECT_EQ(counter.sessionEnded(radio.stats()), "session 2 ended (0 blocks read, 2 written, 0 resend requests)");
    open(radio);
    radio.receive(text("END"));
    EXPECT_EQ(counter.sessionEnded(radio.stats()), "session 3 ended (0 blocks read, 0 written, 0 resend requests)");
}

TEST_F(VirtualRadioTest, CountsEveryByteInBothDirections)
{
    VirtualRadio radio = make({}, true);
    radio.receive(text("PROGRAM"));
    radio.receive(readRequest(0));
    EXPECT_EQ(radio.stats().bytesIn, 11u);
    EXPECT_EQ(radio.stats().bytesOut, 7u + 3u + 4u + 22u);
}

TEST_F(VirtualRadioTest, FaultsOnReadRepliesStrikeTheirCountThenHeal)
{
    VirtualRadioFaults f;
    f.ignore = {0x0000, 2};
    f.badChecksum = {0x0010, 1};
    f.wrongAddress = {0x0020, 1};
    f.shortFrame = {0x0030, 1};
    f.garbage = {0x0040, 1};
    VirtualRadio radio = make(f);
    open(radio);

    EXPECT_TRUE(radio.receive(readRequest(0)).empty());
    EXPECT_TRUE(radio.receive(readRequest(0)).empty());
    EXPECT_EQ(radio.receive(readRequest(0)).size(), 22u);

    Bytes bad = radio.receive(readRequest(0x10));
    Bytes fine = radio.receive(readRequest(0x10));
    ASSERT_EQ(bad.size(), 22u);
    EXPECT_EQ(static_cast<std::uint8_t>(bad[20] - 1), fine[20]);

    Bytes wrong = radio.receive(readRequest(0x20));
    EXPECT_EQ(wrong[2], 0x30);
    EXPECT_EQ(radio.receive(readRequest(0x20))[2], 0x20);

    EXPECT_EQ(radio.receive(readRequest(0x30)).size(), 20u);
    EXPECT_EQ(radio.receive(readRequest(0x30)).size(), 22u);

    Bytes noise = radio.receive(readRequest(0x40));
    ASSERT_EQ(noise.size(), 22u);
    EXPECT_NE(noise[0], 'W');
    EXPECT_EQ(radio.receive(readRequest(0x40))[0], 'W');
}

TEST_F(VirtualRadioTest, FaultsOnWrites)
{
    VirtualRadioFaults f;
    f.resend = {0x0000, 3};
    f.garbage = {0x0010, 1};
    f.ignore = {0x0020, 1};
    VirtualRadio radio = make(f);
    open(radio);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(radio.receive(writeFrame(0, 9)), Bytes{0x0A});
    EXPECT_EQ(radio.receive(writeFrame(0, 9)), Ack);
    EXPECT_EQ(radio.stats().resendsSent, 3);

    const Bytes noise = radio.receive(writeFrame(0x10, 9));
    ASSERT_EQ(noise.size(), 1u);
    EXPECT_NE(noise[0], 0x06);
    EXPECT_NE(noise[0], 0x0A);
    EXPECT_TRUE(radio.receive(writeFrame(0x20, 9)).empty());
    EXPECT_EQ(radio.receive(writeFrame(0x20, 9)), Ack);
}

TEST_F(VirtualRadioTest, GoesDeadAfterKBlocksAndStaysSilent)
{
    VirtualRadioFaults f;
    f.deadAfterBlocks = 2;
    VirtualRadio radio = make(f, true);
    open(radio);
    EXPECT_EQ(radio.receive(readRequest(0)).size(), 4u + 22u);
    EXPECT_EQ(radio.receive(readRequest(0x10)).size(), 4u + 22u);
    EXPECT_FALSE(radio.dead());
    EXPECT_TRUE(radio.receive(readRequest(0x20)).empty());
    EXPECT_TRUE(radio.dead());
    EXPECT_TRUE(radio.receive(text("PROGRAM")).empty());  // not even the echo
    EXPECT_TRUE(radio.receive(text("END")).empty());
}

TEST_F(VirtualRadioTest, UnacknowledgedEndStillEndsTheSession)
{
    VirtualRadioFaults f;
    f.noEndAck = true;
    VirtualRadio radio = make(f);
    open(radio);
    EXPECT_TRUE(radio.receive(text("END")).empty());
    EXPECT_TRUE(radio.takeSessionEnd());
}

TEST_F(VirtualRadioTest, IgnoredHandshakesAreSilentThenAnswered)
{
    VirtualRadioFaults f;
    f.ignoreHandshakes = 2;
    VirtualRadio radio = make(f, true);
    EXPECT_EQ(radio.receive(text("PROGRAM")), text("PROGRAM"));  // echo only
    EXPECT_EQ(radio.receive(text("PROGRAM")), text("PROGRAM"));
    EXPECT_EQ(radio.receive(text("PROGRAM")), cat(text("PROGRAM"), ZK));
}

TEST(VirtualRadioMemory, DefaultImageHoldsFortyChannelsOfTheBand)
{
    const RadioImage cb = DefaultRadioImage(0);
    EXPECT_EQ(cb.byte(0), 0x50);  // 26.965 MHz
    EXPECT_EQ(cb.byte(1), 0x96);
    EXPECT_EQ(cb.byte(2), 0x26);
    EXPECT_EQ(cb.byte(39 * 16), 0x50);  // channel 40: 27.405 MHz
    EXPECT_EQ(cb.byte(39 * 16 + 1), 0x40);
    EXPECT_EQ(cb.byte(39 * 16 + 2), 0x27);
    EXPECT_EQ(cb.byte(0x1904), 0xFF);  // channels 33..40 present
    EXPECT_EQ(cb.byte(0x1905), 0x00);
    EXPECT_EQ(cb.byte(40 * 16), 0xFF);  // channel 41 erased
    EXPECT_EQ(cb.byte(0x1980), 0xFF);   // channel 402 erased
    EXPECT_EQ(cb.byte(0x1C00), 0xFF);   // no DTMF codes

    const RadioImage ham = DefaultRadioImage(2);
    EXPECT_EQ(ham.byte(0), 0x00);  // 28.000 MHz: digits 280000
    EXPECT_EQ(ham.byte(1), 0x00);
    EXPECT_EQ(ham.byte(2), 0x28);
    EXPECT_EQ(ham.byte(39 * 16), 0x00);  // channel 40: 28.390 MHz
    EXPECT_EQ(ham.byte(39 * 16 + 1), 0x39);
    EXPECT_EQ(ham.byte(39 * 16 + 2), 0x28);
}

TEST(VirtualRadioMemory, InformationFieldsAreCutToTheirWidth)
{
    RadioInfoFields fields;
    fields.customerCode = "ABCDEFG";
    fields.handler = "Jo";
    const RadioInfoBlock info = BuildRadioInfo(2, fields);
    EXPECT_EQ(info.byte(0), 2);
    EXPECT_EQ(info.byte(0x28), 'A');
    EXPECT_EQ(info.byte(0x2B), 'D');
    EXPECT_EQ(info.byte(0x2C), 0xFF);  // sales area empty, not overrun
    EXPECT_EQ(info.byte(0xF0), 'J');
    EXPECT_EQ(info.byte(0xF2), 0xFF);
    EXPECT_EQ(info.byte(0x1C), 0xFF);  // no password
}

}  // namespace
