#include "core/model/document.h"
#include "core/model/image_codec.h"

#include <gtest/gtest.h>

#include <initializer_list>

namespace {

// A varied image written by hand from the address map, the way a radio in
// the HF band would hold it: decoding it and encoding the records again must
// give back exactly these bytes.
class HandBuiltImage : public ::testing::Test {
protected:
    void put(std::size_t at, std::initializer_list<int> bytes)
    {
        for (const int b : bytes)
            image.setByte(at++, static_cast<std::uint8_t>(b));
    }

    void SetUp() override
    {
        // Channel 1: 26.965 MHz, offset 0x1234, CTCSS index 11 received, DCS
        // index 103 sent, DUP "-", TSQ, BUSY, 5 kHz shift, power 3, public,
        // tone tip 8, DTMF slots 16, 1 and 2.
        put(0x0000,
            {0x50, 0x96, 0x26, 0x34, 0x12, 11, 0, 0, 103, 0, 0x02 | 0x04 | 0x10 | 0x80, 0x01 | 0x08 | 0x60 | 0x80, 8,
             16, 1, 2});
        // Channel 9: 27.60120 MHz stored as 276012, AM, HI_CUT, NB, no tones.
        put(0x0080, {0x12, 0x60, 0x27, 0, 0, 0, 0, 0, 0, 0, 0x01, 0x02 | 0x04 | 0x10, 0, 0, 0, 0});
        // Channel 400: a DCS tone both ways.
        put(0x18F0, {0x00, 0x50, 0x28, 0xFF, 0x7F, 0, 40, 0, 0, 0, 0x20 | 0x80, 0x20, 0, 0, 0, 0});
        put(0x1900, {0x01, 0x01});         // present: 1, 9
        image.setByte(0x1900 + 49, 0x80);  // present: 400
        put(0x1940, {0x01});               // scan: 1
        image.setByte(0x1940 + 49, 0x80);
        // Channel 401 (the VFO) and the memory channels 402 and 409.
        put(0x1A00, {0x00, 0x86, 0x27, 100, 0, 0, 0, 0, 0, 0, 0, 0x04 | 0x80, 0, 0, 0, 0});
        put(0x1980, {0x50, 0x01, 0x28, 100, 0, 37, 0, 0, 0, 0, 0x10, 0x04, 0, 0, 0, 0});
        put(0x1980 + 7 * 16, {0x50, 0x00, 0x28, 100, 0, 0, 0, 0, 0, 0, 0, 0x04, 0, 0, 0, 0});
        put(0x1A1C, {0x81, 0x80});  // present 402 and 409, scan 409

        // Settings.
        put(0x1A11, {1, 1});
        put(0x1A19, {0x03, 0x80});  // DTMF slots 1, 2 and 16 used
        put(0x1A1B, {3});
        put(0x1A1E, {0x05, 0x02});  // groups 0, 2 and 9 valid
        put(0x1A20, {0, 1, 2, 3, 4, 5, 6, 7, 8, 39});
        put(0x1A33, {5, 0, 0, 0, 0, 0, 0, 0x01, 0x04 | 0x80, 3, 0, 0, 0});  // public: offset 5, DUP "+"
        put(0x1A40, {1, 4, 2, 3, 9, 0x80 | 5, 1, 2, 3, 1, 2, 1, 1, 1, 10, 2, 7, 1, 0, 1, 160, 0x03});
        put(0x1A80, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 0});
        put(0x1AA0, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10});
        put(0x1AB0, {11, 12, 13, 14, 15, 16, 17, 18, 19, 20});
        put(0x1AC0, {1, 0, 1, 0, 1, 0, 1, 0, 1, 0});
        put(0x1AD0, {0, 1, 0, 1, 0, 1, 0, 1, 0, 1});

        // Tone tips 1 and 4, the rest empty.
        put(0x1B00, {1, 0, 210, 0, 210, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 10, 10, 10});
        put(0x1B5E, {2, 6, 64, 94, 134, 163, 192});
        put(0x1B5E + 16, {6, 6, 6, 6, 6});

        // DTMF codes: slot 1 "1*#", slot 2 sixteen digits, slot 16 "0"; the
        // other slots are erased.
        for (std::size_t a = 0x1C00; a < 0x1D00; ++a)
            image.setByte(a, 0xFF);
        put(0x1C00, {0x01, 0x0F, 0x0E});
        put(0x1C10, {1, 2, 3, 4, 5, 6, 7, 8, 9, 0, 0x0A, 0x0B, 0x0C, 0x0D, 0x0E, 0x0F});
        put(0x1CF0, {0x00});
    }

    RadioImage image;
};

TEST_F(HandBuiltImage, DecodesIntoTheRecordsTheBytesName)
{
    Document doc;
    doc.Record.Model = {"BRISKO7", 0, "V100"};
    doc.Image = image;
    doc.Radio.RadioBand = 1;
    ASSERT_TRUE(DecodeImage(doc));
    ASSERT_EQ(doc.ChannelCount, 6);
    const int numbers[] = {1, 9, 400, 401, 402, 409};
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(doc.ChannelList[i].ChannelNo, numbers[i]);
    const ChannelRecord& c1 = doc.ChannelList[0];
    EXPECT_EQ(c1.RxFreq, "02696500");
    EXPECT_EQ(c1.OffSetFre, 0x1234);
    EXPECT_EQ(c1.RDCT, 12);
    EXPECT_EQ(c1.TDCT, 142);
    EXPECT_EQ(c1.DUP, 2);
    EXPECT_EQ(c1.Tx_Power, 3);
    EXPECT_EQ(c1.Scan, 1);
    EXPECT_EQ(doc.ChannelList[1].RxFreq, "02760120");
    EXPECT_EQ(doc.ChannelList[1].AM_FM, 1);
    EXPECT_EQ(doc.ChannelList[2].OffSetFre, 0x7FFF);
    EXPECT_EQ(doc.ChannelList[2].RDCT, 79);
    EXPECT_EQ(doc.ChannelList[2].TDCT, 39);
    EXPECT_EQ(doc.ChannelList[3].RxFreq, "02786000");
    EXPECT_EQ(doc.ChannelList[4].RDCT, 38);
    EXPECT_EQ(doc.ChannelList[5].Scan, 1);
    const OptFeatRecord& o = doc.Record.OptFeat;
    EXPECT_EQ(o.SquelchLevel, 9);
    EXPECT_EQ(o.AsqFun, 1);
    EXPECT_EQ(o.AsqValue, 5);
    EXPECT_EQ(doc.Record.Keys.KeyMode, 3);
    EXPECT_EQ(o.ScanType, 1);
    EXPECT_EQ(o.AutoPowerOn, 1);
    EXPECT_EQ(doc.Record.Dtmf.DtmfRate, 10);
    EXPECT_EQ(doc.Record.Dtmf.FirstDigitDelay, 2);
    EXPECT_EQ(doc.Record.Dtmf.FirstDigitTime, 7);
    EXPECT_EQ(doc.Record.Dtmf.StarHashTone, 1);
    EXPECT_EQ(doc.Record.Dtmf.DKeySetting, 0);
    EXPECT_EQ(doc.Record.Dtmf.DtmfDisplay, 1);
    EXPECT_EQ(o.MaxSwr, 160);
    EXPECT_EQ(doc.Record.PublicChannel.DUP, 1);
    EXPECT_EQ(doc.Record.PublicChannel.Tx_Power, 0);
    EXPECT_EQ(doc.Record.PublicChannel.Public, 1);
    EXPECT_EQ(doc.Record.PublicChannel.RBTone, 3);
    EXPECT_EQ(doc.Record.Dtmf.Codes[1].Digits, "1234567890ABCD#*");
    EXPECT_EQ(doc.Record.Dtmf.Codes[15].Length, 1);
    EXPECT_EQ(doc.Record.Tips[3].Tones[4], (ToneTipTone{192, 6}));
    EXPECT_EQ(doc.Record.Tips[0].Tones[2], (ToneTipTone{210, 10}));
}

TEST_F(HandBuiltImage, EncodingTheDecodedRecordsGivesTheSameBytes)
{
    Document doc;
    doc.Record.Model = {"BRISKO7", 0, "V100"};
    doc.Image = image;
    doc.Radio.RadioBand = 1;
    ASSERT_TRUE(DecodeImage(doc));
    doc.Image.clear();
    EncodeImage(doc);
    for (std::size_t a = 0; a < RadioImageSize; ++a)
        EXPECT_EQ(doc.Image.byte(a), image.byte(a)) << "address 0x" << std::hex << a;
}

}  // namespace
