#include "datafile_fixture.h"

#include "core/app/data_file.h"
#include "core/model/band_range.h"
#include "core/model/document.h"
#include "core/model/document_compare.h"
#include "core/model/image_codec.h"

#include <clocale>
#include <random>

namespace {

// A new document must give every setting its built-in value, whatever the
// document held before (here: the records of a random radio image).
class NewDocumentDefaults : public DataFileTest {
protected:
    void scramble(Document& doc, int band)
    {
        InitDocument(doc, initFolder());
        std::mt19937 random(7u + static_cast<unsigned>(band));
        std::uniform_int_distribution<int> byte(0, 255);
        for (auto& b : doc.Image.bytes())
            b = static_cast<std::uint8_t>(byte(random));
        doc.Radio.RadioBand = static_cast<std::uint8_t>(band);
        ASSERT_TRUE(DecodeImage(doc));
        doc.Record.OptFeat.GridGroup = 7;
        for (auto& code : doc.Record.Dtmf.Codes)
            code.Digits = "123456789ABCD*#0";
        doc.DocFileName = "somewhere.dat";
        doc.IsUntitled = false;
    }

    // The options as listed for a new document, built here field by field.
    static OptFeatRecord expectedOptions(const OptFeatRecord& reservedFrom)
    {
        OptFeatRecord o;
        o.GridGroup = 0;
        o.UseMemChannel = 0;
        o.UseVfo = 0;
        o.Value1B = 1;
        o.GroupValid = {1, 0, 0, 0, 0, 0, 0, 0, 0, 0};
        o.Beep = 0;
        o.TimeOutTimer = 4;
        o.Backlight = 1;
        o.SpeakerVolume = 1;
        o.SquelchLevel = 3;
        o.AsqFun = 0;
        o.AsqValue = 3;
        o.GainControl = 0;
        o.ChannelDisplay = 0;
        o.ScanType = 0;
        o.ScanTime = 1;
        o.SqlStepBack = 1;
        o.AsqStepBack = 1;
        o.AutoPowerOn = 0;
        o.AllowMemEdit = 0;
        o.UseMaxSwr = 1;
        o.MaxSwr = 160;
        o.Reserved = reservedFrom.Reserved;  // not among the defaults
        return o;
    }

    // The default tone tips: the listed (frequency, length) pairs, then (0, 0).
    static ToneTips expectedTips()
    {
        // clang-format off
        const std::vector<std::vector<std::pair<int, int>>> pairs{
            {{210, 10}, {0, 10}, {210, 10}, {0, 10}, {210, 10}, {0, 10}, {210, 10}},
            {{80, 4}, {0, 4}, {80, 4}, {0, 4}, {80, 4}, {0, 4}, {80, 4}, {0, 4}, {80, 4}, {0, 4}, {80, 4}, {0, 4},
             {80, 4}, {0, 4}},
            {{170, 3}, {90, 3}, {170, 3}, {90, 3}, {170, 3}, {90, 3}, {170, 3}},
            {{64, 6}, {94, 6}, {134, 6}, {163, 6}, {192, 6}},
            {{150, 20}, {70, 20}, {150, 20}, {70, 20}, {150, 20}, {70, 20}},
            {},
            {},
            {},
        };
        // clang-format on
        ToneTips tips{};
        for (std::size_t t = 0; t < 8; ++t) {
            for (std::size_t k = 0; k < pairs[t].size(); ++k)
                tips[t].Tones[k] = {static_cast<std::int16_t>(pairs[t][k].first),
                                    static_cast<std::int16_t>(pairs[t][k].second)};
            tips[t].LoopCount = t < 5 ? 1 : 0;
            tips[t].Interval = 0;
        }
        return tips;
    }

    static ChannelRecord expectedChannel(int no, const char* code)
    {
        ChannelRecord c;
        c.ChannelNo = static_cast<std::int16_t>(no);
        c.IsEmpty = 0;
        c.Scan = 1;
        c.RxFreq = code;
        c.OffSetFre = 100;
        c.NB = 1;
        c.Public = 1;
        return c;
    }
};

TEST_F(NewDocumentDefaults, EveryBandGetsTheBuiltInDocument)
{
    struct Case {
        int band;
        const char* middle;
    };
    for (const Case c : {Case{0, "02718500"}, Case{1, "02786000"}, Case{2, "02885000"}}) {
        SCOPED_TRACE(c.band);
        Document doc;
        scramble(doc, c.band);
        const ChannelRecord oldPublic = doc.Record.PublicChannel;
        ASSERT_TRUE(ApplyBandMode(doc, c.band));
        InitDocument(doc, initFolder());

        EXPECT_EQ(doc.DocFileName, "new.dat");
        EXPECT_TRUE(doc.IsUntitled);
        EXPECT_EQ(doc.Record.Model, (ModelRecord{"BRISKO7", static_cast<std::int16_t>(c.band), "V100"}));
        EXPECT_EQ(doc.Record.OptFeat, expectedOptions(doc.Record.OptFeat));
        EXPECT_EQ(doc.Record.Tips, expectedTips());

        KeySettings keys;
        keys.KeyMode = 3;
        for (int k = 0; k < 18; ++k)
            keys.Keys[k] = static_cast<std::int16_t>(k + 1);
        EXPECT_EQ(doc.Record.Keys, keys);

        const DtmfSettings& d = doc.Record.Dtmf;
        EXPECT_EQ(d.DtmfRate, 10);
        EXPECT_EQ(d.FirstDigitTime, 0);
        EXPECT_EQ(d.FirstDigitDelay, 2);
        EXPECT_EQ(d.StarHashTone, 0);
        EXPECT_EQ(d.DKeySetting, 0);
        EXPECT_EQ(d.DtmfDisplay, 1);
        for (const DtmfCode& code : d.Codes)
            EXPECT_EQ(code, (DtmfCode{0, std::string(16, ' ')}));

        // The public channel: offset 5 and every other slot field 0; the rest stays.
        ChannelRecord wantPublic = oldPublic;
        wantPublic.OffSetFre = 5;
        for (std::int16_t* f :
             {&wantPublic.RDCT, &wantPublic.TDCT, &wantPublic.DUP, &wantPublic.HI_CUT, &wantPublic.BUSY, &wantPublic.NB,
              &wantPublic.Add_Sub_5K, &wantPublic.AM_FM, &wantPublic.Tx_Power, &wantPublic.Public, &wantPublic.RBTone,
              &wantPublic.DTMF_BOT, &wantPublic.DTMF_EOT, &wantPublic.DTMF_Call, &wantPublic.TSQ})
            *f = 0;
        EXPECT_EQ(doc.Record.PublicChannel, wantPublic);

        const char* mem[] = {"02801500", "02814500", "02811500", "02808500",
                             "02805500", "02802500", "02807500", "02800500"};
        // The VFO channel is unscanned, as the radio keeps it; the CB band has none.
        const int count = c.band == 0 ? 9 : 10;
        ASSERT_EQ(doc.ChannelCount, count);
        EXPECT_EQ(doc.ChannelList[0], expectedChannel(1, c.middle));
        if (c.band != 0) {
            ChannelRecord vfo = expectedChannel(401, c.middle);
            vfo.Scan = 0;
            EXPECT_EQ(doc.ChannelList[1], vfo);
        }
        for (int k = 0; k < 8; ++k)
            EXPECT_EQ(doc.ChannelList[count - 8 + k], expectedChannel(402 + k, mem[k])) << k;

        EXPECT_EQ(doc.RadioInfo.InfoBand, c.band);
        EXPECT_EQ(doc.RadioInfo.InfoModel, "BRISKO7");
        EXPECT_FALSE(IsDataChanged(doc));
    }
}

// The C library formats numbers in the user's locale once a Qt application
// has started (the command-line tool does not switch it back). The middle of
// the band must not become "27,185", which is no number and would put the
// default channels on the lower band limit.
TEST_F(NewDocumentDefaults, TheBandMiddleDoesNotFollowTheUsersDecimalComma)
{
    const std::string before = std::setlocale(LC_NUMERIC, nullptr);
    const char* comma = nullptr;
    for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "fr_FR.utf8", "nl_NL.UTF-8", "ru_RU.UTF-8"}) {
        if (std::setlocale(LC_NUMERIC, name) && std::string(std::localeconv()->decimal_point) == ",") {
            comma = name;
            break;
        }
    }
    if (!comma) {
        std::setlocale(LC_NUMERIC, before.c_str());
        GTEST_SKIP() << "no locale with a decimal comma is installed";
    }
    Document cb;
    InitDocument(cb, initFolder());
    Document hf;
    ASSERT_TRUE(ApplyBandMode(hf, 1));
    InitDocument(hf, initFolder());
    std::setlocale(LC_NUMERIC, before.c_str());
    EXPECT_EQ(cb.ChannelList[0].RxFreq, "02718500") << comma;
    EXPECT_EQ(cb.ChannelList[1].RxFreq, "02718500");
    EXPECT_EQ(hf.ChannelList[0].RxFreq, "02786000");
}

}  // namespace
