#include "core/model/document.h"
#include "core/model/image_codec.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

ChannelRecord channel(int no, const char* freq)
{
    ChannelRecord c;
    c.ChannelNo = static_cast<std::int16_t>(no);
    c.RxFreq = freq;
    c.Scan = 1;
    return c;
}

// A document whose image is encoded from the given channels.
class Encode : public ::testing::Test {
protected:
    void add(const ChannelRecord& c) { doc.ChannelList[static_cast<std::size_t>(doc.ChannelCount++)] = c; }
    std::uint8_t at(std::size_t address) const { return doc.Image.byte(address); }
    std::vector<std::uint8_t> range(std::size_t from, std::size_t n) const
    {
        return {doc.Image.bytes().begin() + static_cast<std::ptrdiff_t>(from),
                doc.Image.bytes().begin() + static_cast<std::ptrdiff_t>(from + n)};
    }
    Document doc;
};

TEST_F(Encode, FrequencyTravelsAsThreeBcdBytesLeastSignificantFirst)
{
    add(channel(1, "02696500"));
    add(channel(2, "02760120"));  // the 10 Hz digit is lost on the way to the radio
    EncodeImage(doc);
    EXPECT_EQ(range(0x0000, 3), (std::vector<std::uint8_t>{0x50, 0x96, 0x26}));
    EXPECT_EQ(range(0x0010, 3), (std::vector<std::uint8_t>{0x12, 0x60, 0x27}));
}

TEST_F(Encode, PresentAndScanBitsSitWhereTheLayoutSays)
{
    add(channel(8, "02700000"));
    add(channel(9, "02700000"));
    ChannelRecord noScan = channel(10, "02700000");
    noScan.Scan = 0;
    add(noScan);
    add(channel(402, "02801500"));
    add(channel(409, "02800500"));
    add(channel(400, "02700000"));
    EncodeImage(doc);
    EXPECT_EQ(at(0x1900), 0x80);  // channel 8: bit 7
    EXPECT_EQ(at(0x1901), 0x03);  // channels 9 and 10: bits 0 and 1
    EXPECT_EQ(at(0x1940), 0x80);
    EXPECT_EQ(at(0x1941), 0x01);       // channel 10 has no scan bit
    EXPECT_EQ(at(0x1900 + 49), 0x80);  // channel 400
    EXPECT_EQ(at(0x1A1C), 0x81);       // channels 402 (bit 0) and 409 (bit 7)
    EXPECT_EQ(at(0x1A1D), 0x81);
    EXPECT_EQ(range(0x1980, 3), (std::vector<std::uint8_t>{0x50, 0x01, 0x28}));           // 402 slot
    EXPECT_EQ(range(0x1980 + 7 * 16, 3), (std::vector<std::uint8_t>{0x50, 0x00, 0x28}));  // 409 slot
}

TEST_F(Encode, ChannelSlotBytesThreeToFifteen)
{
    ChannelRecord c = channel(3, "02696500");
    c.OffSetFre = 0x1234;
    c.RDCT = 12;  // CTCSS index 11
    c.TDCT = 39;  // DCS index 0
    c.DUP = 2;
    c.TSQ = 1;
    c.BUSY = 1;
    c.Add_Sub_5K = 1;
    c.Tx_Power = 3;
    c.Public = 1;
    c.RBTone = 8;
    c.DTMF_BOT = 16;
    c.DTMF_EOT = 1;
    c.DTMF_Call = 2;
    add(c);
    EncodeImage(doc);
    EXPECT_EQ(range(0x20, 16),
              (std::vector<std::uint8_t>{0x50, 0x96, 0x26, 0x34, 0x12, 11, 0, 0, 0, 0, 0x02 | 0x04 | 0x10 | 0x80,
                                         0x01 | 0x08 | 0x60 | 0x80, 8, 16, 1, 2}));
}

TEST_F(Encode, ToneCodesSplitIntoKindAndIndexBytes)
{
    ChannelRecord c = channel(1, "02700000");
    c.RDCT = 38;   // last CTCSS
    c.TDCT = 142;  // last DCS
    add(c);
    c = channel(2, "02700000");
    c.RDCT = 294;   // an odd radio's DCS index 255, written back unchanged
    c.TDCT = 1041;  // an odd radio's CTCSS index 40
    add(c);
    EncodeImage(doc);
    EXPECT_EQ(at(5), 37);
    EXPECT_EQ(at(6), 0);
    EXPECT_EQ(at(7), 0);
    EXPECT_EQ(at(8), 103);
    EXPECT_EQ(at(10), 0x10 | 0x80);
    EXPECT_EQ(at(16 + 6), 255);
    EXPECT_EQ(at(16 + 7), 40);
    EXPECT_EQ(at(16 + 10), 0x20 | 0x40);
}

TEST_F(Encode, EmptyChannelsKeepTheirSlotButNoBits)
{
    ChannelRecord empty = channel(5, "FFFFFFFF");
    empty.OffSetFre = 7;
    add(empty);
    add(channel(6, "        "));
    EncodeImage(doc);
    EXPECT_EQ(range(0x40, 4), (std::vector<std::uint8_t>{0xFF, 0xFF, 0xFF, 7}));
    EXPECT_EQ(range(0x50, 3), (std::vector<std::uint8_t>{0xFF, 0xFF, 0xFF}));
    EXPECT_EQ(at(0x1900), 0);
    EXPECT_EQ(at(0x1940), 0);
    EXPECT_EQ(doc.ChannelList[0].IsEmpty, 1);
    EXPECT_EQ(doc.ChannelList[1].IsEmpty, 1);
    EXPECT_EQ(doc.ChannelList[1].RxFreq, "");
}

TEST_F(Encode, VfoChannelTouchesNoBitmap)
{
    add(channel(401, "02786000"));
    EncodeImage(doc);
    EXPECT_EQ(range(0x1A00, 3), (std::vector<std::uint8_t>{0x00, 0x86, 0x27}));
    EXPECT_EQ(at(0x1A1C), 0);
    for (std::size_t a = 0x1900; a < 0x1980; ++a)
        EXPECT_EQ(at(a), 0) << a;
}

TEST_F(Encode, SettingsAreaKeysAndGroupTables)
{
    OptFeatRecord& o = doc.Record.OptFeat;
    o.UseVfo = 3;
    o.UseMemChannel = 2;  // written whole
    o.Value1B = 4;
    o.GroupValid[0] = 1;
    o.GroupValid[8] = 1;
    o.GroupValid[9] = 2;  // only 1 sets the bit
    o.WorkChannel[9] = 39;
    o.EmergencyChannel[1] = {5, 6};
    o.GroupMode[2] = {1, 0};
    o.Beep = 1;
    o.TimeOutTimer = 4;
    o.SquelchLevel = 9;
    o.AsqFun = 1;
    o.AsqValue = 3;
    o.ChannelDisplay = 2;
    o.AutoPowerOn = 1;
    o.MaxSwr = 160;
    o.AllowMemEdit = 1;
    o.UseMaxSwr = 1;
    doc.Record.PublicChannel.OffSetFre = 5;
    doc.Record.PublicChannel.NB = 1;
    doc.Record.Keys.KeyMode = 3;
    for (int k = 0; k < 18; ++k)
        doc.Record.Keys.Keys[k] = static_cast<std::int16_t>(k + 1);
    doc.Record.Dtmf.DtmfRate = 10;
    doc.Record.Dtmf.FirstDigitTime = 7;
    doc.Record.Dtmf.FirstDigitDelay = 2;
    doc.Record.Dtmf.DtmfDisplay = 1;
    EncodeImage(doc);
    // Each setting byte, address and value; the first-digit delay (0x1A4F)
    // and time (0x1A50) lie crosswise.
    const struct {
        std::size_t address;
        int value;
    } bytes[] = {{0x1A11, 3},  {0x1A12, 2}, {0x1A1B, 4},    {0x1A1E, 0x01}, {0x1A1F, 0x01}, {0x1A29, 39},
                 {0x1AA1, 5},  {0x1AB1, 6}, {0x1AC2, 1},    {0x1AD2, 0},    {0x1A3B, 0x04}, {0x1A40, 1},
                 {0x1A41, 4},  {0x1A44, 9}, {0x1A45, 0x83}, {0x1A47, 2},    {0x1A48, 3},    {0x1A4D, 1},
                 {0x1A4E, 10}, {0x1A4F, 2}, {0x1A50, 7},    {0x1A53, 1},    {0x1A54, 160},  {0x1A55, 0x03},
                 {0x1A80, 1},  {0x1A91, 18}};
    for (const auto& b : bytes)
        EXPECT_EQ(at(b.address), b.value) << std::hex << b.address;
    EXPECT_EQ(range(0x1A30, 5), (std::vector<std::uint8_t>{0, 0, 0, 5, 0}));
}

TEST_F(Encode, DtmfSlotsAndTheirUsedBits)
{
    doc.Record.Dtmf.Codes[0] = {3, "123             "};
    doc.Record.Dtmf.Codes[1] = {3, "1*#"};
    doc.Record.Dtmf.Codes[2] = {4, "9"};    // padded with "0" up to its length
    doc.Record.Dtmf.Codes[3] = {20, "12"};  // too long: used, but written empty
    doc.Record.Dtmf.Codes[8] = {1, "D"};
    EncodeImage(doc);
    std::vector<std::uint8_t> expected(16, 0xFF);
    expected[0] = 1, expected[1] = 2, expected[2] = 3;
    EXPECT_EQ(range(0x1C00, 16), expected);
    expected[1] = 0x0F, expected[2] = 0x0E;
    EXPECT_EQ(range(0x1C10, 16), expected);
    expected[0] = 9, expected[1] = 0, expected[2] = 0, expected[3] = 0;
    EXPECT_EQ(range(0x1C20, 16), expected);
    EXPECT_EQ(range(0x1C30, 16), std::vector<std::uint8_t>(16, 0xFF));
    EXPECT_EQ(range(0x1C40, 16), std::vector<std::uint8_t>(16, 0xFF));  // unused slot 5
    EXPECT_EQ(at(0x1C80), 0x0D);
    EXPECT_EQ(at(0x1A19), 0x0F);
    EXPECT_EQ(at(0x1A1A), 0x01);
}

TEST_F(Encode, ToneTipsLieTwoToA64ByteRow)
{
    for (int t = 0; t < 8; ++t) {
        doc.Record.Tips[t].LoopCount = static_cast<std::int16_t>(t + 1);
        doc.Record.Tips[t].Interval = static_cast<std::int16_t>(10 + t);
        doc.Record.Tips[t].Tones[0] = {static_cast<std::int16_t>(100 + t), 20};
        doc.Record.Tips[t].Tones[13] = {static_cast<std::int16_t>(200 + t), 30};
    }
    EncodeImage(doc);
    const std::size_t starts[] = {0x1B00, 0x1B1E, 0x1B40, 0x1B5E, 0x1B80, 0x1B9E, 0x1BC0, 0x1BDE};
    for (int t = 0; t < 8; ++t) {
        const std::size_t s = starts[t];
        EXPECT_EQ(at(s), t + 1) << t;
        EXPECT_EQ(at(s + 1), 10 + t);
        EXPECT_EQ(at(s + 2), 100 + t);
        EXPECT_EQ(at(s + 15), 200 + t);
        EXPECT_EQ(at(s + 16), 20);
        EXPECT_EQ(at(s + 29), 30);
    }
    EXPECT_EQ(range(0x1B3C, 4), std::vector<std::uint8_t>(4, 0));
}

TEST_F(Encode, ValuesBeyondTheirBitsNeverSpillIntoNeighbours)
{
    ChannelRecord c = channel(1, "02700000");
    c.Tx_Power = 7;    // would reach the public bit
    c.DUP = 5;         // would reach the tone squelch bit
    c.OffSetFre = -1;  // would write 0xFF 0xFF
    c.RBTone = 300;
    add(c);
    doc.Record.OptFeat.AsqValue = 200;  // would reach the AsqFun bit
    doc.Record.Keys.Keys[0] = -5;
    EncodeImage(doc);
    EXPECT_EQ(at(11), 0x60);
    EXPECT_EQ(at(10), 0x03);
    EXPECT_EQ(at(3), 0);
    EXPECT_EQ(at(4), 0);
    EXPECT_EQ(at(12), 255);
    EXPECT_EQ(at(0x1A45), 127);
    EXPECT_EQ(at(0x1A80), 0);
}

TEST(EncodeSlot, WritesBytesThreeToFifteenWhateverTheyHeldAndNothingElse)
{
    RadioImage image;
    image.fill(0xFF);
    ChannelRecord c;
    c.OffSetFre = 300;  // 0x012C
    c.RDCT = 0;         // off: both index bytes become 0
    c.TDCT = 38;        // CTCSS index 37
    c.DUP = 1;
    c.NB = 1;
    c.AM_FM = 1;
    c.Tx_Power = 1;
    EncodeChannelSlot(image, 0x1A30, c);
    const std::uint8_t expected[] = {0xFF, 0xFF, 0xFF, 0x2C, 0x01, 0, 0, 37, 0, 0, 0x01 | 0x40, 0x04 | 0x10 | 0x20,
                                     0,    0,    0,    0};
    for (std::size_t i = 0; i < 16; ++i)
        EXPECT_EQ(image.byte(0x1A30 + i), expected[i]) << i;
    EXPECT_EQ(image.byte(0x1A2F), 0xFF);
    EXPECT_EQ(image.byte(0x1A40), 0xFF);

    ChannelRecord back;
    back.RxFreq = "kept";
    DecodeChannelSlot(image, 0x1A30, back);
    EXPECT_EQ(back.RxFreq, "kept");
    EXPECT_EQ(back.OffSetFre, 300);
    EXPECT_EQ(back.TDCT, 38);
    EXPECT_EQ(back.Tx_Power, 1);
    EXPECT_EQ(back.AM_FM, 1);
}

}  // namespace
