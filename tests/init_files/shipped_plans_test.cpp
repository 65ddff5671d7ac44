#include "shipped_files.h"

#include "../support/recording_notifier.h"
#include "core/freq/channel_groups.h"
#include "core/freq/freq_code.h"
#include "core/model/document_compare.h"
#include "core/model/field_ranges.h"

#include <algorithm>
#include <set>

namespace {

constexpr int Cb = 0;
constexpr int MemGroup = 8;

const ChannelRecord* findChannel(const Document& doc, int channelNo)
{
    for (int i = 0; i < doc.ChannelCount; ++i) {
        if (doc.ChannelList[i].ChannelNo == channelNo)
            return &doc.ChannelList[i];
    }
    return nullptr;
}

class ShippedCbPlans : public ::testing::Test {
protected:
    void SetUp() override { m_doc = shippedDocument(Cb); }
    std::unique_ptr<Document> m_doc;
    RecordingNotifier m_notes;
};

struct Anchor {
    const char* what;
    int channelNo;
    const char* code;
    const char* shown;  // as a channel list of the channel's group shows it
};

// Points of the public channel plans a reader can check against the regulations.
const Anchor Anchors[] = {
    {"EU 1", 1, "02696500", "26.96500"},
    {"EU 23 is out of order", 23, "02725500", "27.25500"},
    {"EU 24", 24, "02723500", "27.23500"},
    {"EU 25", 25, "02724500", "27.24500"},
    {"EU 40", 40, "02740500", "27.40500"},
    {"CE 3", 43, "02698500", "26.98500"},
    {"U 40", 120, "02740500", "27.40500"},
    {"UK 1 keeps 100 Hz and shows 125", 121, "02760120", "27.60125"},
    {"UK 40", 160, "02799120", "27.99125"},
    {"PL 1 is 5 kHz lower", 161, "02696000", "26.96000"},
    {"PL 40", 200, "02740000", "27.40000"},
    {"DE 40", 280, "02740500", "27.40500"},
    {"DE 41 starts the lower run", 281, "02656500", "26.56500"},
    {"DE 80", 320, "02695500", "26.95500"},
    {"MEM 1 is EU 1", 402, "02696500", "26.96500"},
    {"MEM 8 is EU 8", 409, "02705500", "27.05500"},
};

TEST_F(ShippedCbPlans, AnchorsOfThePlans)
{
    for (const Anchor& a : Anchors) {
        const ChannelRecord* c = findChannel(*m_doc, a.channelNo);
        ASSERT_NE(c, nullptr) << a.what;
        EXPECT_EQ(c->RxFreq, a.code) << a.what;
        const int group = GetGroupOfChannel(a.channelNo, Cb);
        EXPECT_EQ(FreqCodeToShowText(c->RxFreq, group, Cb, *m_doc), a.shown) << a.what;
    }
}

TEST_F(ShippedCbPlans, EveryPlanGroupIsFullAndI2AndInAreEmpty)
{
    for (int g = 0; !GetGroupName(g, Cb).empty(); ++g) {
        const bool hasPlan = GetGroupName(g, Cb) != "I2" && GetGroupName(g, Cb) != "IN";
        for (int p = 1; p <= GetGroupSize(g, Cb); ++p)
            EXPECT_EQ(findChannel(*m_doc, GetGroupStart(g, Cb) + p) != nullptr, hasPlan) << GetGroupName(g, Cb) << p;
    }
    EXPECT_EQ(m_doc->ChannelCount, 5 * 40 + 80 + 8);  // five plans of 40, DE, MEM
    EXPECT_EQ(findChannel(*m_doc, 401), nullptr) << "the CB band has no VFO channel";
}

TEST_F(ShippedCbPlans, ChannelsStandInChannelNumberOrder)
{
    for (int i = 1; i < m_doc->ChannelCount; ++i)
        EXPECT_LT(m_doc->ChannelList[i - 1].ChannelNo, m_doc->ChannelList[i].ChannelNo) << i;
}

TEST_F(ShippedCbPlans, NoTwoChannelsOfAGroupShareAFrequency)
{
    std::set<std::pair<int, std::string>> seen;
    for (int i = 0; i < m_doc->ChannelCount; ++i) {
        const ChannelRecord& c = m_doc->ChannelList[i];
        EXPECT_TRUE(seen.insert({GetGroupOfChannel(c.ChannelNo, Cb), c.RxFreq}).second) << c.ChannelNo;
    }
}

TEST_F(ShippedCbPlans, EveryMemoryFrequencyIsACountryChannelFrequency)
{
    for (int channelNo = 402; channelNo <= 409; ++channelNo) {
        const ChannelRecord* c = findChannel(*m_doc, channelNo);
        ASSERT_NE(c, nullptr) << channelNo;
        const std::string shown = FreqCodeToShowText(c->RxFreq, MemGroup, Cb, *m_doc);
        EXPECT_EQ(NormalizeFreqText(shown, MemGroup, Cb, *m_doc, m_notes), shown) << channelNo;
    }
    EXPECT_TRUE(m_notes.shown.empty());
}

TEST_F(ShippedCbPlans, ChannelsHaveTheSettingsOfATypedChannel)
{
    for (int i = 0; i < m_doc->ChannelCount; ++i) {
        const ChannelRecord& c = m_doc->ChannelList[i];
        EXPECT_EQ(c.IsEmpty, 0) << c.ChannelNo;
        EXPECT_EQ(c.Scan, 1) << c.ChannelNo;
        for (const auto& field : ChannelSlotFields()) {
            const std::string name = field.name;
            const int expected = name == "OffSetFre" ? 100 : (name == "Public" || name == "NB") ? 1 : 0;
            EXPECT_EQ(c.*field.member, expected) << c.ChannelNo << " " << name;
        }
    }
}

// The differences between the built-in new document of a band and another
// one, as "field: built-in -> other" lines; channels only when withChannels.
std::string differencesFromBuiltIn(const Document& doc, int band, bool withChannels)
{
    const auto builtIn = builtInDocument(band);
    DocumentRecord builtInRecord = builtIn->Record;
    DocumentRecord record = doc.Record;
    if (!withChannels)
        builtInRecord.ChannelCount = record.ChannelCount = 0;
    std::string lines;
    for (const auto& d : ListDifferences(builtInRecord, builtIn->ChannelList, record, doc.ChannelList))
        lines += d.field + ": " + d.saved + " -> " + d.current + "\n";
    return lines;
}

TEST_F(ShippedCbPlans, EverythingButTheChannelsIsTheBuiltInDocument)
{
    EXPECT_EQ(differencesFromBuiltIn(*m_doc, Cb, false), "");
    EXPECT_EQ(m_doc->Record.OptFeat.Value1B, 1);
    EXPECT_EQ(m_doc->Record.OptFeat.GroupValid, (std::array<std::int16_t, 10>{1}));
}

TEST(ShippedFiles, HfAndHamFilesHoldTheBuiltInDocument)
{
    for (const int band : {1, 2}) {
        const auto shipped = shippedDocument(band);
        EXPECT_EQ(differencesFromBuiltIn(*shipped, band, true), "") << band;
        EXPECT_EQ(shipped->ChannelCount, 10) << band;
    }
}

TEST(ShippedFiles, NewAndInitialSettingsFilesOfABandAreTheSame)
{
    for (const char* band : {"0", "1", "2"}) {
        const std::string stem = std::string("BRISKO7_") + band;
        const auto fresh = shippedBytes(stem + "_NEW.dat");
        EXPECT_EQ(fresh.size(), DataFileSize) << band;
        EXPECT_EQ(fresh, shippedBytes(stem + ".dat")) << band;
    }
}

}  // namespace
