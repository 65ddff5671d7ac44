#include "core/app/data_file.h"
#include "core/model/band_range.h"
#include "core/model/document.h"
#include "core/model/document_compare.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

// A new document (built-in defaults) whose baseline equals it.
class Compare : public ::testing::Test {
protected:
    void SetUp() override
    {
        // The HF band: channel 1, the VFO channel 401, then 402..409.
        ASSERT_TRUE(ApplyBandMode(doc, 1));
        InitDocument(doc, "/nonexistent-brisko7-init");
        ASSERT_FALSE(IsDataChanged(doc));
    }
    // The edit must mark the document changed, and its first difference names the field.
    void expectChanged(const std::function<void(Document&)>& edit, const std::string& field)
    {
        SCOPED_TRACE(field);
        TakeBaseline(doc);
        edit(doc);
        EXPECT_TRUE(IsDataChanged(doc));
        EXPECT_FALSE(IsDataUnchanged(doc));
        const auto first = ListDifferences(doc.Base.Record, doc.Base.Channels, doc.Record, doc.ChannelList, true);
        ASSERT_EQ(first.size(), 1u);
        EXPECT_EQ(first[0].field, field);
        TakeBaseline(doc);
    }
    Document doc;
};

TEST_F(Compare, EveryPartOfTheDocumentCounts)
{
    expectChanged([](Document& d) { d.Record.Model.Model = "OTHER"; }, "ModelRecord.Model");
    expectChanged([](Document& d) { d.Record.Model.Band = 2; }, "ModelRecord.Band");
    expectChanged([](Document& d) { d.ChannelList[3].RxFreq = "02700000"; }, "ChannelList[ChannelNo 403].RxFreq");
    expectChanged([](Document& d) { d.ChannelList[9].TSQ = 1; }, "ChannelList[ChannelNo 409].TSQ");
    expectChanged([](Document& d) { d.ChannelList[0].IsEmpty = 1; }, "ChannelList[ChannelNo 1].IsEmpty");
    expectChanged([](Document& d) { d.ChannelCount = 9; }, "ChannelCount");
    expectChanged([](Document& d) { d.Record.Keys.Keys[17] = 2; }, "KeySettings.Keys[17]");
    expectChanged([](Document& d) { d.Record.OptFeat.GridGroup = 3; }, "OptFeatRecord.GridGroup");
    expectChanged([](Document& d) { d.Record.OptFeat.MaxSwr = 20; }, "OptFeatRecord.MaxSwr");
    expectChanged([](Document& d) { d.Record.OptFeat.EmergencyChannel[4][1] = 2; },
                  "OptFeatRecord.EmergencyChannel[4][1]");
    expectChanged([](Document& d) { d.Record.OptFeat.GroupMode[0][0] = 1; }, "OptFeatRecord.GroupMode[0][0]");
    expectChanged([](Document& d) { d.Record.PublicChannel.RDCT = 4; }, "PublicChannel.RDCT");
    expectChanged([](Document& d) { d.Record.PublicChannel.DTMF_Call = 4; }, "PublicChannel.DTMF_Call");
    expectChanged([](Document& d) { d.Record.Dtmf.StarHashTone = 1; }, "DtmfSettings.StarHashTone");
    expectChanged([](Document& d) { d.Record.Dtmf.Codes[15].Digits = "1"; }, "DtmfSettings.Codes[16].Digits");
    expectChanged([](Document& d) { d.Record.Dtmf.Codes[15].Length = 1; }, "DtmfSettings.Codes[16].Length");
    expectChanged([](Document& d) { d.Record.Tips[7].Interval = 1; }, "ToneTips[8].Interval");
    expectChanged([](Document& d) { d.Record.Tips[0].Tones[13].Length = 1; }, "ToneTips[1].Tones[14].Length");
}

TEST_F(Compare, FixedTextsCompareCutAndTrimmed)
{
    doc.ChannelList[0].RxFreq += std::string("\0xyz", 4);
    doc.Record.Dtmf.Codes[0].Digits = "";
    doc.Record.Model.Model = "BRISKO7   ";
    EXPECT_FALSE(IsDataChanged(doc));
}

TEST_F(Compare, ReorderedChannelsAreUnchanged)
{
    std::swap(doc.ChannelList[0], doc.ChannelList[5]);
    std::swap(doc.ChannelList[2], doc.ChannelList[9]);
    EXPECT_FALSE(IsDataChanged(doc));
    // The same count, but one channel replaced by another number.
    doc.ChannelList[4].ChannelNo = 2;
    EXPECT_TRUE(IsDataChanged(doc));
}

TEST_F(Compare, EntriesBeyondTheCountAndReservedIntegersDoNotCount)
{
    doc.ChannelList[200].RxFreq = "02700000";
    doc.ChannelList[0].Reserved[3] = 9;
    doc.Record.OptFeat.Reserved[0] = 9;
    EXPECT_FALSE(IsDataChanged(doc));
}

TEST_F(Compare, TheFullListNamesMissingChannelsOnBothSides)
{
    TakeBaseline(doc);
    doc.ChannelList[1].ChannelNo = 5;  // 401 became 5
    doc.ChannelList[0].Scan = 0;
    const auto all = ListDifferences(doc.Base.Record, doc.Base.Channels, doc.Record, doc.ChannelList);
    ASSERT_EQ(all.size(), 3u);
    EXPECT_EQ(all[0].field, "ChannelList[ChannelNo 1].Scan");
    EXPECT_EQ(all[0].saved, "1");
    EXPECT_EQ(all[0].current, "0");
    EXPECT_EQ(all[1].field, "ChannelList[ChannelNo 401]");
    EXPECT_EQ(all[1].current, "-");
    EXPECT_EQ(all[2].field, "ChannelList[ChannelNo 5]");
    EXPECT_EQ(all[2].saved, "-");
}

TEST_F(Compare, DifferencesComeInTheComparisonOrder)
{
    // One change in every part, made in the reverse of the comparison order.
    TakeBaseline(doc);
    doc.Record.Tips[0].Tones[0].Freq = 1;
    doc.Record.Tips[0].LoopCount = 5;
    doc.Record.Dtmf.Codes[0].Length = 2;
    doc.Record.Dtmf.Codes[0].Digits = "12";
    doc.Record.Dtmf.DtmfRate = 3;
    doc.Record.PublicChannel.TDCT = 5;
    doc.Record.PublicChannel.OffSetFre = 6;
    doc.Record.OptFeat.GroupMode[0][0] = 1;
    doc.Record.OptFeat.EmergencyChannel[0][0] = 1;
    doc.Record.OptFeat.WorkChannel[0] = 1;
    doc.Record.OptFeat.GroupValid[1] = 1;
    doc.Record.OptFeat.Beep = 1;
    doc.Record.OptFeat.Value1B = 9;
    doc.Record.OptFeat.UseVfo = 1;
    doc.Record.OptFeat.UseMemChannel = 1;
    doc.Record.OptFeat.GridGroup = 2;
    doc.Record.Keys.Keys[0] = 9;
    doc.Record.Keys.KeyMode = 1;
    doc.ChannelList[0].TSQ = 1;
    doc.ChannelList[0].DUP = 1;
    doc.ChannelList[0].Scan = 0;
    doc.ChannelList[0].RxFreq = "02700000";
    doc.Record.Model.Band = 2;
    doc.Record.Model.Model = "OTHER";
    const std::vector<std::string> order{
        "ModelRecord.Model",
        "ModelRecord.Band",
        "ChannelList[ChannelNo 1].RxFreq",
        "ChannelList[ChannelNo 1].Scan",
        "ChannelList[ChannelNo 1].DUP",
        "ChannelList[ChannelNo 1].TSQ",
        "KeySettings.KeyMode",
        "KeySettings.Keys[0]",
        "OptFeatRecord.GridGroup",
        "OptFeatRecord.UseMemChannel",
        "OptFeatRecord.UseVfo",
        "OptFeatRecord.Value1B",
        "OptFeatRecord.Beep",
        "OptFeatRecord.GroupValid[1]",
        "OptFeatRecord.WorkChannel[0]",
        "OptFeatRecord.EmergencyChannel[0][0]",
        "OptFeatRecord.GroupMode[0][0]",
        "PublicChannel.OffSetFre",
        "PublicChannel.TDCT",
        "DtmfSettings.DtmfRate",
        "DtmfSettings.Codes[1].Digits",
        "DtmfSettings.Codes[1].Length",
        "ToneTips[1].LoopCount",
        "ToneTips[1].Tones[1].Freq",
    };
    std::vector<std::string> fields;
    for (const auto& d : ListDifferences(doc.Base.Record, doc.Base.Channels, doc.Record, doc.ChannelList))
        fields.push_back(d.field);
    EXPECT_EQ(fields, order);
    // The yes/no question stops at the first.
    const auto first = ListDifferences(doc.Base.Record, doc.Base.Channels, doc.Record, doc.ChannelList, true);
    ASSERT_EQ(first.size(), 1u);
    EXPECT_EQ(first[0].field, "ModelRecord.Model");
}

TEST_F(Compare, AnotherChannelCountStopsBeforeTheChannels)
{
    TakeBaseline(doc);
    doc.ChannelCount = 9;  // channel 409 dropped
    doc.ChannelList[0].Scan = 0;
    const auto first = ListDifferences(doc.Base.Record, doc.Base.Channels, doc.Record, doc.ChannelList, true);
    ASSERT_EQ(first.size(), 1u);
    EXPECT_EQ(first[0].field, "ChannelCount");
    EXPECT_EQ(first[0].saved, "10");
    EXPECT_EQ(first[0].current, "9");
}

}  // namespace
