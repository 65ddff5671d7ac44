#include "core/model/band_range.h"
#include "core/freq/channel_groups.h"
#include "core/freq/freq_code.h"
#include "core/model/document.h"
#include "../support/recording_notifier.h"

#include <gtest/gtest.h>

namespace {

class FreqCode : public ::testing::Test {
protected:
    void band(int b) { ASSERT_TRUE(ApplyBandMode(doc, b)); }
    void addChannel(int no, const char* code)
    {
        ChannelRecord& c = doc.ChannelList[static_cast<std::size_t>(doc.ChannelCount++)];
        c.ChannelNo = static_cast<std::int16_t>(no);
        c.RxFreq = code;
    }
    std::size_t warnings() const { return notes.shown.size(); }
    Document doc;
    RecordingNotifier notes;
};

TEST_F(FreqCode, WorkedExamplesOfTheHfBand)
{
    band(1);
    const int bankA = 0;
    EXPECT_EQ(NormalizeFreqText("27.1234", bankA, 1, doc, notes), "27.12000");
    EXPECT_EQ(FreqTextToCode("27.12000", doc), "02712000");
    EXPECT_EQ(warnings(), 0u);
    EXPECT_EQ(NormalizeFreqText("25.6149", bankA, 1, doc, notes), "25.61500");
    EXPECT_EQ(warnings(), 1u);
    EXPECT_EQ(NormalizeFreqText("31", bankA, 1, doc, notes), "30.10500");
    EXPECT_EQ(warnings(), 2u);
    EXPECT_EQ(NormalizeFreqText("abc", bankA, 1, doc, notes), "25.61500");
    ASSERT_EQ(warnings(), 3u);
    for (const auto& shown : notes.shown)
        EXPECT_EQ(shown.icon, NoticeIcon::Warning);
}

TEST_F(FreqCode, MemoryChannelOfTheCbBandTakesTheNearestCountryChannel)
{
    band(0);
    addChannel(1, "02696500");    // EU 1
    addChannel(124, "02760120");  // UK: shows as 27.60125
    addChannel(402, "02800000");  // memory channels are not candidates
    EXPECT_EQ(NormalizeFreqText("27.6", 8, 0, doc, notes), "27.60120");
    const NearestChannel nearest = NearestChannelFreq(27.6, doc);
    EXPECT_TRUE(nearest.Found);
    EXPECT_EQ(nearest.Group, 3);
    EXPECT_EQ(nearest.Position, 3);
    EXPECT_EQ(NormalizeFreqText("26.9", 8, 0, doc, notes), "26.96500");
    EXPECT_EQ(NormalizeFreqText("28.5", 8, 0, doc, notes), "27.60120");  // no band clamp, no warning
    EXPECT_EQ(warnings(), 0u);
}

TEST_F(FreqCode, NearestChannelWithoutCountryChannelsKeepsTheTypedValue)
{
    band(0);
    addChannel(405, "02800000");
    const NearestChannel nearest = NearestChannelFreq(27.1, doc);
    EXPECT_FALSE(nearest.Found);
    EXPECT_DOUBLE_EQ(nearest.Freq, 27.1);
    EXPECT_EQ(nearest.Group, -1);
    EXPECT_EQ(NormalizeFreqText("27.1", 8, 0, doc, notes), "27.10000");
}

TEST_F(FreqCode, ATieKeepsTheEarlierEntry)
{
    band(0);
    addChannel(2, "02700000");
    addChannel(3, "02701000");
    const NearestChannel nearest = NearestChannelFreq(27.005, doc);
    EXPECT_DOUBLE_EQ(nearest.Freq, 27.0);
    EXPECT_EQ(nearest.Position, 1);
}

TEST_F(FreqCode, TextToCodePadsAndCuts)
{
    band(0);
    EXPECT_EQ(FreqTextToCode("27", doc), "02700000");
    EXPECT_EQ(FreqTextToCode("7.5", doc), "00750000");
    EXPECT_EQ(FreqTextToCode("26.9650099", doc), "02696500");
    EXPECT_EQ(FreqTextToCode("026.96500", doc), "02696500");
    EXPECT_EQ(FreqTextToCode("", doc), "");
    EXPECT_EQ(FreqTextToCode("x", doc), "02696500");  // the lower band limit
}

TEST_F(FreqCode, CodeToTextAndTheUkDisplayRule)
{
    band(0);
    EXPECT_EQ(FreqCodeToText("02696500", doc), "26.96500");
    EXPECT_EQ(FreqCodeToText("FFFFFFFF", doc), "");
    EXPECT_EQ(FreqCodeToText("", doc), "");
    EXPECT_EQ(FreqCodeToShowText("02760100", 3, 0, doc), "27.60125");
    EXPECT_EQ(FreqCodeToShowText("02760100", 3, 1, doc), "27.60100");
    EXPECT_EQ(FreqCodeToShowText("02760100", 8, 0, doc), "27.60125");
    EXPECT_EQ(FreqCodeToShowText("02740500", 8, 0, doc), "27.40500");
    EXPECT_EQ(FreqCodeToShowText("02696500", 0, 0, doc), "26.96500");
    EXPECT_EQ(FreqCodeToShowText("FFFFFFFF", 3, 0, doc), "");
    // A corrupt code shows the lower limit without a word: showing happens
    // while a window paints; the editor reports it when the user acts on it.
    EXPECT_EQ(FreqCodeToText("02X96500", doc), "26.965");
    EXPECT_EQ(FreqCodeToShowText("02X96500", 3, 0, doc), "26.965");
    EXPECT_EQ(warnings(), 0u);
    EXPECT_TRUE(IsCorruptFreqCode("02X96500"));
    EXPECT_FALSE(IsCorruptFreqCode(" 02696500 "));
    EXPECT_FALSE(IsCorruptFreqCode("FFFFFFFF"));
    EXPECT_FALSE(IsCorruptFreqCode(""));
    ReportCorruptFreqCode(notes);
    ASSERT_EQ(warnings(), 1u);
    EXPECT_EQ(notes.shown[0].text, "Not IsNumeric");
}

TEST_F(FreqCode, SnapMovesDownOntoTheRasterOfTheLowerLimit)
{
    EXPECT_DOUBLE_EQ(SnapFreqToStep(26.969, 26.965), 26.965);
    EXPECT_DOUBLE_EQ(SnapFreqToStep(26.970, 26.965), 26.970);
    EXPECT_DOUBLE_EQ(SnapFreqToStep(27.4049, 26.965), 27.400);
    EXPECT_DOUBLE_EQ(SnapFreqToStep(28.0, 28.0), 28.0);
}

TEST_F(FreqCode, LimitsPassWithoutWarningAndOutsideValuesWarn)
{
    band(0);
    EXPECT_DOUBLE_EQ(LimitFreq(27.405, doc, notes), 27.405);
    EXPECT_DOUBLE_EQ(LimitFreq(26.965, doc, notes), 26.965);
    EXPECT_EQ(warnings(), 0u);
    EXPECT_DOUBLE_EQ(LimitFreq(26.9, doc, notes), 26.965);
    EXPECT_DOUBLE_EQ(LimitFreq(27.5, doc, notes), 27.405);
    EXPECT_DOUBLE_EQ(BadFreqWarning(doc, notes), 26.965);
    EXPECT_EQ(warnings(), 3u);
}

TEST(ChannelGroups, TablesOfTheThreeBands)
{
    EXPECT_EQ(GetGroupOfChannel(401, 0), 8);
    EXPECT_EQ(GetGroupOfChannel(361, 0), 8);
    EXPECT_EQ(GetGroupOfChannel(320, 0), 6);
    EXPECT_EQ(GetGroupOfChannel(409, 1), 10);
    EXPECT_EQ(GetGroupOfChannel(40, 2), 0);
    EXPECT_EQ(GetGroupOfChannel(41, 2), 1);
    EXPECT_EQ(GetGroupOfChannel(5, 3), -1);
    EXPECT_EQ(GetGroupSize(6, 0), 80);
    EXPECT_EQ(GetGroupStart(8, 0), 401);
    EXPECT_EQ(GetGroupStart(11, 1), 401);
    EXPECT_EQ(GetGroupStart(10, 2), 400);
    EXPECT_EQ(GetGroupSize(10, 1), 1);
    EXPECT_EQ(GetGroupName(3, 0), "UK");
    EXPECT_EQ(GetGroupName(9, 1), "J");
    EXPECT_EQ(GetGroupName(12, 1), "");
    EXPECT_EQ(GetGroupSize(9, 0), 0);
    EXPECT_TRUE(IsMemGroup(8, 0));
    EXPECT_TRUE(IsMemGroup(11, 2));
    EXPECT_FALSE(IsMemGroup(8, 1));
    EXPECT_EQ(GroupComboItems(0).size(), 9u);
    EXPECT_EQ(GroupComboItems(1, "MEM").size(), 11u);
}

TEST(ChannelGroups, EveryGroupOfTheCbBandAndItsEdges)
{
    struct Group {
        const char* name;
        int start;
        int size;
    };
    const Group cb[] = {{"EU", 0, 40},   {"CE", 40, 40},  {"U", 80, 40},   {"UK", 120, 40}, {"PL", 160, 40},
                        {"I2", 200, 40}, {"DE", 240, 80}, {"IN", 320, 40}, {"MEM", 401, 8}};
    for (int g = 0; g < 9; ++g) {
        SCOPED_TRACE(g);
        EXPECT_EQ(GetGroupName(g, 0), cb[g].name);
        EXPECT_EQ(GetGroupStart(g, 0), cb[g].start);
        EXPECT_EQ(GetGroupSize(g, 0), cb[g].size);
        if (g < 8) {
            EXPECT_EQ(GetGroupOfChannel(cb[g].start + 1, 0), g);
            EXPECT_EQ(GetGroupOfChannel(cb[g].start + cb[g].size, 0), g);
        }
    }
    EXPECT_EQ(GetGroupOfChannel(402, 0), 8);
    EXPECT_EQ(GetGroupOfChannel(409, 0), 8);
    EXPECT_EQ(GroupComboItems(0), (std::vector<std::string>{"EU", "CE", "U", "UK", "PL", "I2", "DE", "IN", "MEM"}));
    EXPECT_EQ(GroupComboItems(0, "MEM").size(), 8u);
}

TEST(ChannelGroups, BanksVfoAndMemoryOfTheHfAndHamBands)
{
    for (int band : {1, 2}) {
        SCOPED_TRACE(band);
        for (int g = 0; g < 10; ++g) {
            EXPECT_EQ(GetGroupName(g, band), std::string(1, static_cast<char>('A' + g)));
            EXPECT_EQ(GetGroupStart(g, band), 40 * g);
            EXPECT_EQ(GetGroupSize(g, band), 40);
            EXPECT_EQ(GetGroupOfChannel(40 * g + 1, band), g);
            EXPECT_EQ(GetGroupOfChannel(40 * g + 40, band), g);
        }
        EXPECT_EQ(GetGroupName(10, band), "VFO");
        EXPECT_EQ(GetGroupName(11, band), "MEM");
        EXPECT_EQ(GetGroupSize(11, band), 8);
        EXPECT_EQ(GetGroupOfChannel(401, band), 10);
        EXPECT_TRUE(IsMemGroup(11, band));
        EXPECT_FALSE(IsMemGroup(10, band));
    }
    EXPECT_EQ(GetGroupStart(0, 3), 0);
    EXPECT_EQ(GetGroupSize(0, 3), 0);
    EXPECT_EQ(GetGroupName(0, 3), "");
}

}  // namespace
