#include "core/model/data_file_format.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Every field of a document gets its own value; the expected file is then
// written byte by byte from the data-file tables by hand: a 1071-byte
// document record (model 7, band, version 4, count, options 158, public
// channel 60, keys 38, DTMF 320, tone tips 480) and 409 entries of 60 bytes.
class FileLayout : public ::testing::Test {
protected:
    void SetUp() override
    {
        fillRecord();
        for (int i = 0; i < MaxChannels; ++i)
            fillChannel(channels[static_cast<std::size_t>(i)], i);
        buildExpected();
    }

    static std::int16_t v(int n) { return static_cast<std::int16_t>(n); }

    void fillChannel(ChannelRecord& c, int i)
    {
        c.ChannelNo = v(i + 1);
        c.IsEmpty = v(i % 2);
        c.Scan = v((i + 1) % 2);
        c.RxFreq = std::to_string(10000000 + i).substr(0, 7);  // seven characters: padded with one blank
        std::int16_t* slot[] = {&c.OffSetFre, &c.RDCT,       &c.TDCT,      &c.DUP,      &c.HI_CUT, &c.BUSY,
                                &c.NB,        &c.Add_Sub_5K, &c.AM_FM,     &c.Tx_Power, &c.Public, &c.RBTone,
                                &c.DTMF_BOT,  &c.DTMF_EOT,   &c.DTMF_Call, &c.TSQ};
        for (int k = 0; k < 16; ++k)
            *slot[k] = v(i * 50 + k + 1);
        for (int k = 0; k < 7; ++k)
            c.Reserved[static_cast<std::size_t>(k)] = v(-(i * 10 + k + 1));
    }

    void fillRecord()
    {
        record.Model = {"BRISK", 2, "V123"};
        record.ChannelCount = 3;
        OptFeatRecord& o = record.OptFeat;
        o.GridGroup = 101;
        o.UseMemChannel = 102;
        o.UseVfo = 103;
        o.Value1B = 104;
        for (int g = 0; g < 10; ++g) {
            o.GroupValid[g] = v(110 + g);
            o.WorkChannel[g] = v(120 + g);
            o.EmergencyChannel[g] = {v(130 + g), v(140 + g)};
            o.GroupMode[g] = {static_cast<std::uint8_t>(200 + g), static_cast<std::uint8_t>(220 + g)};
        }
        std::int16_t* scalars[] = {&o.Beep,      &o.TimeOutTimer, &o.Backlight,   &o.SpeakerVolume,  &o.SquelchLevel,
                                   &o.AsqFun,    &o.AsqValue,     &o.GainControl, &o.ChannelDisplay, &o.ScanType,
                                   &o.ScanTime,  &o.SqlStepBack,  &o.AsqStepBack, &o.AutoPowerOn,    &o.AllowMemEdit,
                                   &o.UseMaxSwr, &o.MaxSwr};
        for (int k = 0; k < 17; ++k)
            *scalars[k] = v(150 + k);
        for (int k = 0; k < 8; ++k)
            o.Reserved[k] = v(-300 - k);
        fillChannel(record.PublicChannel, 500);
        record.Keys.KeyMode = 400;
        for (int k = 0; k < 18; ++k)
            record.Keys.Keys[k] = v(401 + k);
        DtmfSettings& d = record.Dtmf;
        d.DtmfRate = 501;
        d.FirstDigitTime = 502;
        d.FirstDigitDelay = 503;
        d.StarHashTone = 504;
        d.DKeySetting = 505;
        d.DtmfDisplay = 506;
        for (int e = 0; e < 16; ++e)
            d.Codes[e] = {v(510 + e), std::string(1, static_cast<char>('a' + e)) + "#*"};
        for (int k = 0; k < 10; ++k)
            d.Reserved[k] = v(-600 - k);
        for (int t = 0; t < 8; ++t) {
            for (int k = 0; k < 14; ++k)
                record.Tips[t].Tones[k] = {v(1000 + 100 * t + k), v(2000 + 100 * t + k)};
            record.Tips[t].LoopCount = v(3000 + t);
            record.Tips[t].Interval = v(4000 + t);
        }
    }

    void put16(std::size_t at, int value)
    {
        putByte(at, static_cast<std::uint8_t>(value & 0xFF));
        putByte(at + 1, static_cast<std::uint8_t>((value >> 8) & 0xFF));
    }
    void putByte(std::size_t at, std::uint8_t value)
    {
        expected.at(at) = value;
        written.at(at) = true;
    }
    void putText(std::size_t at, const std::string& text, std::size_t width)
    {
        for (std::size_t i = 0; i < width; ++i)
            putByte(at + i, static_cast<std::uint8_t>(i < text.size() ? text[i] : ' '));
    }
    // The 60-byte channel record: number, empty flag, scan, frequency (8),
    // OffSetFre .. TSQ (16 integers), seven reserved integers.
    void putChannel(std::size_t at, int i)
    {
        put16(at, i + 1);
        put16(at + 2, i % 2);
        put16(at + 4, (i + 1) % 2);
        putText(at + 6, std::to_string(10000000 + i).substr(0, 7), 8);
        for (int k = 0; k < 16; ++k)
            put16(at + 14 + 2 * static_cast<std::size_t>(k), i * 50 + k + 1);
        for (int k = 0; k < 7; ++k)
            put16(at + 46 + 2 * static_cast<std::size_t>(k), -(i * 10 + k + 1));
    }

    void buildExpected()
    {
        expected.assign(25611, 0);
        written.assign(25611, false);
        putText(0, "BRISK", 7);
        put16(7, 2);
        putText(9, "V123", 4);
        put16(13, 3);
        const std::size_t o = 15;
        put16(o + 0, 101);
        put16(o + 2, 102);
        put16(o + 4, 103);
        put16(o + 6, 104);
        for (std::size_t g = 0; g < 10; ++g) {
            put16(o + 8 + 2 * g, 110 + static_cast<int>(g));
            put16(o + 28 + 2 * g, 120 + static_cast<int>(g));
            put16(o + 48 + 2 * g, 130 + static_cast<int>(g));
            put16(o + 68 + 2 * g, 140 + static_cast<int>(g));
            putByte(o + 122 + g, static_cast<std::uint8_t>(200 + g));
            putByte(o + 132 + g, static_cast<std::uint8_t>(220 + g));
        }
        for (std::size_t k = 0; k < 17; ++k)
            put16(o + 88 + 2 * k, 150 + static_cast<int>(k));
        for (std::size_t k = 0; k < 8; ++k)
            put16(o + 142 + 2 * k, -300 - static_cast<int>(k));
        putChannel(173, 500);
        put16(233, 400);
        for (std::size_t k = 0; k < 18; ++k)
            put16(235 + 2 * k, 401 + static_cast<int>(k));
        for (std::size_t k = 0; k < 6; ++k)
            put16(271 + 2 * k, 501 + static_cast<int>(k));
        for (std::size_t e = 1; e <= 16; ++e) {
            const std::size_t at = 271 + 12 + 18 * (e - 1);
            put16(at, 510 + static_cast<int>(e) - 1);
            putText(at + 2, std::string(1, static_cast<char>('a' + e - 1)) + "#*", 16);
        }
        for (std::size_t k = 0; k < 10; ++k)
            put16(271 + 300 + 2 * k, -600 - static_cast<int>(k));
        for (std::size_t t = 1; t <= 8; ++t) {
            const std::size_t at = 591 + 60 * (t - 1);
            for (std::size_t k = 1; k <= 14; ++k) {
                put16(at + 4 * (k - 1), 1000 + 100 * static_cast<int>(t - 1) + static_cast<int>(k - 1));
                put16(at + 4 * (k - 1) + 2, 2000 + 100 * static_cast<int>(t - 1) + static_cast<int>(k - 1));
            }
            put16(at + 56, 3000 + static_cast<int>(t - 1));
            put16(at + 58, 4000 + static_cast<int>(t - 1));
        }
        for (int i = 0; i < MaxChannels; ++i)
            putChannel(1071 + 60 * static_cast<std::size_t>(i), i);
    }

    DocumentRecord record;
    std::array<ChannelRecord, MaxChannels> channels{};
    std::vector<std::uint8_t> expected;
    std::vector<bool> written;
};

// The offset of the first byte that differs, or -1.
long firstDifference(const std::vector<std::uint8_t>& a, const std::vector<std::uint8_t>& b)
{
    for (std::size_t i = 0; i < a.size() && i < b.size(); ++i) {
        if (a[i] != b[i])
            return static_cast<long>(i);
    }
    return a.size() == b.size() ? -1 : static_cast<long>(std::min(a.size(), b.size()));
}

TEST_F(FileLayout, EveryFieldLiesAtItsOffset)
{
    const auto bytes = WriteDataFileBytes(record, channels);
    ASSERT_EQ(bytes.size(), 25611u);
    EXPECT_EQ(firstDifference(bytes, expected), -1);
    for (std::size_t i = 0; i < bytes.size(); ++i)
        EXPECT_TRUE(written[i]) << "the hand-built file leaves byte " << i << " unwritten";
}

TEST_F(FileLayout, AHandBuiltFileReadsIntoEveryField)
{
    const auto contents = ReadDataFileBytes(expected);
    ASSERT_TRUE(contents.has_value());
    EXPECT_EQ(contents->Record.Model.Model, "BRISK  ");
    EXPECT_EQ(contents->Record.Model.Version, "V123");
    EXPECT_EQ(contents->Record.OptFeat, record.OptFeat);
    EXPECT_EQ(contents->Record.Keys, record.Keys);
    EXPECT_EQ(contents->Record.Tips, record.Tips);
    EXPECT_EQ(contents->Record.Dtmf.DtmfRate, 501);
    EXPECT_EQ(contents->Record.Dtmf.FirstDigitTime, 502);
    EXPECT_EQ(contents->Record.Dtmf.FirstDigitDelay, 503);
    EXPECT_EQ(contents->Record.Dtmf.DtmfDisplay, 506);
    EXPECT_EQ(contents->Record.Dtmf.Codes[15].Length, 525);
    EXPECT_EQ(contents->Record.Dtmf.Codes[15].Digits, "p#*" + std::string(13, ' '));
    EXPECT_EQ(contents->Record.Dtmf.Reserved, record.Dtmf.Reserved);
    EXPECT_EQ(contents->Record.PublicChannel.TSQ, 500 * 50 + 16);
    EXPECT_EQ(contents->Record.PublicChannel.Reserved, record.PublicChannel.Reserved);
    for (int i : {0, 1, 2, 200, 408}) {
        const ChannelRecord& c = contents->Channels[static_cast<std::size_t>(i)];
        ChannelRecord want = channels[static_cast<std::size_t>(i)];
        want.RxFreq += ' ';
        EXPECT_EQ(c, want) << i;
    }
    std::vector<std::uint8_t> longer = expected;
    longer.push_back(0);
    EXPECT_FALSE(ReadDataFileBytes(longer).has_value());
    longer.resize(25610);
    EXPECT_FALSE(ReadDataFileBytes(longer).has_value());
}

}  // namespace
