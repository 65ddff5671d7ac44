#include "core/model/document.h"
#include "core/model/image_codec.h"

#include <gtest/gtest.h>

namespace {

// An image written byte by byte from the layout, then decoded.
class Decode : public ::testing::Test {
protected:
    void SetUp() override { doc.Record.Model = {"BRISKO7", 0, "V100"}; }
    void set(std::size_t address, std::uint8_t value) { doc.Image.setByte(address, value); }
    void slot(std::size_t address, std::uint8_t b2, std::uint8_t b1, std::uint8_t b0)
    {
        set(address, b0);
        set(address + 1, b1);
        set(address + 2, b2);
    }
    bool decode(int band)
    {
        doc.Radio.RadioBand = static_cast<std::uint8_t>(band);
        return DecodeImage(doc);
    }
    const ChannelRecord* find(int no) const
    {
        for (int i = 0; i < doc.ChannelCount; ++i)
            if (doc.ChannelList[i].ChannelNo == no)
                return &doc.ChannelList[i];
        return nullptr;
    }
    Document doc;
};

TEST_F(Decode, PresentBitsDecideWhichChannelsExist)
{
    slot(0x0000, 0x26, 0x96, 0x50);
    set(0x1900, 0x01);
    set(0x1940, 0x01);
    slot(0x0010, 0x27, 0x00, 0x00);  // channel 2: slot filled, present bit 0
    slot(0x1980 + 7 * 16, 0x28, 0x00, 0x50);
    set(0x1A1C, 0x80);  // channel 409
    ASSERT_TRUE(decode(1));
    ASSERT_EQ(doc.ChannelCount, 3);  // 1, 401 (always in HF), 409
    EXPECT_EQ(doc.ChannelList[0].ChannelNo, 1);
    EXPECT_EQ(doc.ChannelList[0].RxFreq, "02696500");
    EXPECT_EQ(doc.ChannelList[0].Scan, 1);
    EXPECT_EQ(doc.ChannelList[0].IsEmpty, 0);
    EXPECT_EQ(doc.ChannelList[1].ChannelNo, 401);
    EXPECT_EQ(doc.ChannelList[1].RxFreq, "00000000");
    EXPECT_EQ(doc.ChannelList[2].ChannelNo, 409);
    EXPECT_EQ(doc.ChannelList[2].RxFreq, "02800500");
    EXPECT_EQ(doc.ChannelList[2].Scan, 0);
}

TEST_F(Decode, CbBandIgnoresChannels361To401)
{
    set(0x1900 + 45, 0x10);  // channel 365
    set(0x1900, 0x01);
    slot(0x1A00, 0x27, 0x18, 0x50);
    ASSERT_TRUE(decode(0));
    ASSERT_EQ(doc.ChannelCount, 1);
    EXPECT_EQ(doc.ChannelList[0].ChannelNo, 1);
    EXPECT_EQ(doc.BandMode, 0);
    EXPECT_EQ(find(365), nullptr);
    EXPECT_EQ(find(401), nullptr);
}

TEST_F(Decode, SlotFieldsToneKindsAndTheLargeOffset)
{
    const std::size_t a = 0x0020;  // channel 3
    set(0x1900, 0x04);
    set(a + 3, 0x34);
    set(a + 4, 0x12);
    set(a + 5, 11);
    set(a + 8, 103);
    set(a + 10, 0x02 | 0x04 | 0x10 | 0x80);
    set(a + 11, 0x01 | 0x02 | 0x04 | 0x08 | 0x10 | 0x40 | 0x80);
    set(a + 12, 3);
    set(a + 13, 16);
    set(a + 14, 200);
    set(a + 15, 1);
    const std::size_t b = 0x0030;  // channel 4: tone kind 3, offset byte 4 of 0x80
    set(0x1900, 0x0C);
    set(b + 3, 0x01);
    set(b + 4, 0x80);
    set(b + 5, 5);
    set(b + 10, 0x30 | 0x40);
    set(b + 7, 40);  // CTCSS index beyond the table
    ASSERT_TRUE(decode(2));
    const ChannelRecord* c = find(3);
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(c->OffSetFre, 0x1234);
    EXPECT_EQ(c->RDCT, 12);
    EXPECT_EQ(c->TDCT, 142);
    EXPECT_EQ(c->DUP, 2);
    EXPECT_EQ(c->TSQ, 1);
    EXPECT_EQ(c->BUSY, 1);
    EXPECT_EQ(c->HI_CUT, 1);
    EXPECT_EQ(c->NB, 1);
    EXPECT_EQ(c->Add_Sub_5K, 1);
    EXPECT_EQ(c->AM_FM, 1);
    EXPECT_EQ(c->Tx_Power, 2);
    EXPECT_EQ(c->Public, 1);
    EXPECT_EQ(c->RBTone, 3);
    EXPECT_EQ(c->DTMF_BOT, 16);
    EXPECT_EQ(c->DTMF_EOT, 200);
    EXPECT_EQ(c->DTMF_Call, 1);
    const ChannelRecord* d = find(4);
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(d->RDCT, 0);
    EXPECT_EQ(d->TDCT, 1041);
    EXPECT_EQ(d->OffSetFre, 32767);
}

TEST_F(Decode, SettingsDtmfKeysAndTips)
{
    doc.Record.OptFeat.GridGroup = 5;
    set(0x1A11, 1);
    set(0x1A12, 0xFE);  // only bit 0 counts
    set(0x1A1B, 3);
    set(0x1A1E, 0x05);
    set(0x1A1F, 0x02);
    set(0x1A25, 17);
    set(0x1AA9, 9);
    set(0x1AB0, 8);
    set(0x1AC1, 1);
    set(0x1AD9, 1);
    set(0x1A33, 5);
    set(0x1A45, 0x85);
    set(0x1A4F, 2);
    set(0x1A50, 7);
    set(0x1A54, 150);
    set(0x1A55, 0x02);
    set(0x1A48, 2);
    set(0x1A91, 20);
    set(0x1A19, 0x03);
    const std::uint8_t code1[] = {1, 0x0F, 0x0E, 0xFF};
    for (int i = 0; i < 4; ++i)
        set(0x1C00 + i, code1[i]);
    for (int i = 0; i < 16; ++i)
        set(0x1C10 + i, 0x0A);  // sixteen digits: no terminator needed
    set(0x1C20, 5);             // slot 3 bit is 0: ignored
    doc.Record.Dtmf.Codes[2] = {2, "77"};
    set(0x1B5E, 2);
    set(0x1B5F, 6);
    set(0x1B60, 64);
    set(0x1B6E, 6);
    ASSERT_TRUE(decode(1));
    const OptFeatRecord& o = doc.Record.OptFeat;
    EXPECT_EQ(o.GridGroup, 5);
    EXPECT_EQ(o.UseVfo, 1);
    EXPECT_EQ(o.UseMemChannel, 0);
    EXPECT_EQ(o.Value1B, 3);
    EXPECT_EQ(o.GroupValid, (std::array<std::int16_t, 10>{1, 0, 1, 0, 0, 0, 0, 0, 0, 1}));
    EXPECT_EQ(o.WorkChannel[5], 17);
    EXPECT_EQ(o.EmergencyChannel[9][0], 9);
    EXPECT_EQ(o.EmergencyChannel[0][1], 8);
    EXPECT_EQ(o.GroupMode[1][0], 1);
    EXPECT_EQ(o.GroupMode[9][1], 1);
    EXPECT_EQ(doc.Record.PublicChannel.OffSetFre, 5);
    EXPECT_EQ(o.AsqFun, 1);
    EXPECT_EQ(o.AsqValue, 5);
    EXPECT_EQ(doc.Record.Dtmf.FirstDigitDelay, 2);
    EXPECT_EQ(doc.Record.Dtmf.FirstDigitTime, 7);
    EXPECT_EQ(o.MaxSwr, 150);
    EXPECT_EQ(o.UseMaxSwr, 1);
    EXPECT_EQ(o.AllowMemEdit, 0);
    EXPECT_EQ(doc.Record.Keys.KeyMode, 2);
    EXPECT_EQ(doc.Record.Keys.Keys[17], 20);
    EXPECT_EQ(doc.Record.Dtmf.Codes[0].Length, 3);
    EXPECT_EQ(doc.Record.Dtmf.Codes[0].Digits.substr(0, 3), "1*#");
    EXPECT_EQ(doc.Record.Dtmf.Codes[1].Length, 16);
    EXPECT_EQ(doc.Record.Dtmf.Codes[1].Digits, std::string(16, 'A'));
    EXPECT_EQ(doc.Record.Dtmf.Codes[2].Length, 0);
    EXPECT_EQ(doc.Record.Dtmf.Codes[2].Digits, "77");  // left as it was
    EXPECT_EQ(doc.Record.Tips[3].LoopCount, 2);
    EXPECT_EQ(doc.Record.Tips[3].Interval, 6);
    EXPECT_EQ(doc.Record.Tips[3].Tones[0].Freq, 64);
    EXPECT_EQ(doc.Record.Tips[3].Tones[0].Length, 6);
    EXPECT_EQ(doc.Record.Tips[3].Tones[13].Freq, 0);
    EXPECT_EQ(doc.Record.Model.Band, 1);
    EXPECT_EQ(doc.BandRangeText, "25.615 - 30.105 MHz");
    EXPECT_DOUBLE_EQ(doc.FreqMin, 25.615);
}

TEST_F(Decode, AnUnknownRadioBandChangesNothing)
{
    set(0x1900, 0x01);
    doc.ChannelCount = 0;
    EXPECT_FALSE(decode(3));
    EXPECT_EQ(doc.ChannelCount, 0);
    EXPECT_EQ(doc.BandMode, 0);
    EXPECT_EQ(doc.Record.Model.Band, 0);
}

TEST_F(Decode, EncodeDecodeEncodeIsByteForByteTheSame)
{
    const int numbers[] = {1, 8, 9, 40, 121, 360, 361, 400, 401, 402, 405, 409};
    for (int i = 0; i < 12; ++i) {
        ChannelRecord& c = doc.ChannelList[static_cast<std::size_t>(i)];
        c.ChannelNo = static_cast<std::int16_t>(numbers[i]);
        c.RxFreq = "0" + std::to_string(256150 + 500 * i) + "0";
        c.Scan = i % 2;
        c.OffSetFre = static_cast<std::int16_t>(100 * i);
        c.RDCT = static_cast<std::int16_t>(i * 12);
        c.TDCT = static_cast<std::int16_t>(142 - i);
        c.DUP = i % 3;
        c.Tx_Power = i % 4;
        c.AM_FM = i % 2;
        c.Public = (i + 1) % 2;
        c.RBTone = static_cast<std::int16_t>(i % 9);
        c.DTMF_Call = static_cast<std::int16_t>(i);
        c.TSQ = i % 2;
    }
    doc.ChannelCount = 12;
    doc.Record.Dtmf.Codes[6] = {5, "0A*#9"};
    doc.Record.OptFeat.GroupValid[3] = 1;
    doc.Record.OptFeat.AsqValue = 99;
    doc.Record.Tips[7].Tones[6] = {255, 1};
    doc.Record.Keys.Keys[4] = 11;
    EncodeImage(doc);
    const RadioImage first = doc.Image;
    ASSERT_TRUE(decode(1));
    EXPECT_EQ(doc.ChannelCount, 12);
    EXPECT_EQ(doc.Record.Dtmf.Codes[6].Digits.substr(0, 5), "0A*#9");
    doc.Image.clear();
    EncodeImage(doc);
    EXPECT_EQ(doc.Image, first);
}

TEST_F(Decode, TheCbGapIsExactlyChannels361To401)
{
    // Present bits of channels 360, 361, 400 and 402, and a filled VFO slot.
    set(0x1900 + 44, 0x80);  // channel 360: k = 359, bit 7 of byte 44
    set(0x1900 + 45, 0x01);  // channel 361: k = 360, bit 0 of byte 45
    set(0x1900 + 49, 0x80);  // channel 400
    set(0x1A1C, 0x01);
    slot(0x1A00, 0x27, 0x18, 0x50);
    ASSERT_TRUE(decode(0));
    ASSERT_EQ(doc.ChannelCount, 2);
    EXPECT_EQ(doc.ChannelList[0].ChannelNo, 360);
    EXPECT_EQ(doc.ChannelList[1].ChannelNo, 402);

    // The same image from a HAM radio lists all of them, 401 included.
    ASSERT_TRUE(decode(2));
    ASSERT_EQ(doc.ChannelCount, 5);
    const int numbers[] = {360, 361, 400, 401, 402};
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(doc.ChannelList[i].ChannelNo, numbers[i]);
    EXPECT_EQ(doc.ChannelList[3].RxFreq, "02718500");
    EXPECT_EQ(doc.ChannelList[3].Scan, 0);
}

TEST_F(Decode, ChannelBitsOfEightNineAndFourHundredNine)
{
    set(0x1900, 0x80);  // bit 7: channel 8
    set(0x1901, 0x01);  // bit 0: channel 9
    set(0x1941, 0x01);  // scan bit of channel 9 only
    set(0x1A1C, 0x80);  // bit 7: channel 409
    set(0x1A1D, 0x80);
    ASSERT_TRUE(decode(0));
    ASSERT_EQ(doc.ChannelCount, 3);
    EXPECT_EQ(doc.ChannelList[0].ChannelNo, 8);
    EXPECT_EQ(doc.ChannelList[0].Scan, 0);
    EXPECT_EQ(doc.ChannelList[1].ChannelNo, 9);
    EXPECT_EQ(doc.ChannelList[1].Scan, 1);
    EXPECT_EQ(doc.ChannelList[2].ChannelNo, 409);
    EXPECT_EQ(doc.ChannelList[2].Scan, 1);
}

TEST_F(Decode, DtmfSlotsSixteenAndNineUseTheSecondBitmapByte)
{
    set(0x1A1A, 0x81);  // slots 9 and 16
    const std::uint8_t nine[] = {0x0D, 0x00, 0x10};
    for (int i = 0; i < 3; ++i)
        set(0x1C80 + i, nine[i]);
    set(0x1CF0, 0x0E);
    set(0x1CF1, 0xFF);
    set(0x1C00, 0x05);  // slot 1 is not marked used
    ASSERT_TRUE(decode(1));
    EXPECT_EQ(doc.Record.Dtmf.Codes[8].Length, 2);
    EXPECT_EQ(doc.Record.Dtmf.Codes[8].Digits.substr(0, 2), "D0");
    EXPECT_EQ(doc.Record.Dtmf.Codes[15].Length, 1);
    EXPECT_EQ(doc.Record.Dtmf.Codes[15].Digits.substr(0, 1), "#");
    EXPECT_EQ(doc.Record.Dtmf.Codes[0].Length, 0);
}

TEST(ImageHelpers, NormalizeFreqDigits)
{
    EXPECT_EQ(NormalizeFreqDigits("02696500", 7), "0269650");
    EXPECT_EQ(NormalizeFreqDigits("", 7), "FFFFFFFF");
    EXPECT_EQ(NormalizeFreqDigits("FFFFFFFF", 7), "FFFFFFFF");
    EXPECT_EQ(NormalizeFreqDigits("2696500", 7), "2696500");  // odd: "0" appended, then cut
    EXPECT_EQ(NormalizeFreqDigits("123  ", 7), "0001230");
}

}  // namespace
