// Cut, copy, paste, insert, delete and move on the channels of a group, in
// the three bands, checked against the records.

#include "channel_fixture.h"

#include "core/channels/channel_clip.h"
#include "core/freq/freq_code.h"
#include "core/channels/channel_paste.h"
#include "core/channels/channel_rearrange.h"

namespace {

using namespace groups;

class ChannelCommandsTest : public ChannelFixture {
protected:
    void startWith(int band, const std::vector<std::pair<int, const char*>>& channels)
    {
        ASSERT_TRUE(ApplyBandMode(doc, band));
        doc.ChannelCount = 0;
        for (const auto& [no, freq] : channels)
            AddChannel(doc, no, freq);
    }
    std::string freqAt(int group, int position) const
    {
        const ChannelRecord* c = ChannelAt(doc, group, position);
        return c ? FreqCodeToText(c->RxFreq, doc) : std::string("-");
    }
    int fieldAt(int group, int position, ChannelField field) const
    {
        const ChannelRecord* c = ChannelAt(doc, group, position);
        return c ? c->*ChannelFieldMember(field) : -1;
    }
    // A clip of channels on the given frequencies (an empty text: an empty position).
    ChannelClip clipOf(std::initializer_list<const char*> freqs, std::int16_t amFm = 0, std::int16_t power = 0)
    {
        ChannelClip clip{doc.BandMode, {}};
        for (const char* f : freqs) {
            if (!*f) {
                clip.rows.emplace_back(std::nullopt);
                continue;
            }
            ChannelRecord c;
            c.RxFreq = FreqTextToCode(f, doc);
            c.Scan = 1;
            c.OffSetFre = 100;
            c.Public = 0;
            c.RDCT = 12;
            c.AM_FM = amFm;
            c.Tx_Power = power;
            clip.rows.emplace_back(c);
        }
        return clip;
    }
};

// ---- Paste -------------------------------------------------------------------

struct PasteCase {
    const char* name;
    int band;
    std::vector<std::pair<int, const char*>> channels;
    int group;
    int position;
    std::vector<const char*> clip;
    std::int16_t amFm;
    std::int16_t power;
    PasteSummary summary;
    std::vector<std::pair<int, const char*>> frequencies;  // position in the group -> shown frequency
};

class PasteTest : public ChannelCommandsTest, public ::testing::WithParamInterface<PasteCase> {};

TEST_P(PasteTest, WritesThroughTheRulesAndSumsUp)
{
    const PasteCase& c = GetParam();
    startWith(c.band, c.channels);
    ChannelClip clip{c.band, {}};
    for (const char* f : c.clip)
        clip.rows.push_back(clipOf({f}, c.amFm, c.power).rows.front());

    EXPECT_EQ(PasteChannels(doc, c.group, c.position, clip), c.summary);
    for (const auto& [position, freq] : c.frequencies)
        EXPECT_EQ(freqAt(c.group, position), freq) << "position " << position;
}

INSTANTIATE_TEST_SUITE_P(
    Bands, PasteTest,
    ::testing::Values(PasteCase{"TooShortGroup",
                                1,
                                {{1, "27.1"}},
                                J,
                                39,
                                {"27.2", "27.3", "27.4"},
                                0,
                                0,
                                {2, 1, 0, 0, 0},
                                {{39, "27.20000"}, {40, "27.30000"}}},
                      PasteCase{"CountryGroupKeepsPlan",
                                0,
                                {{9, "27.065"}},
                                EU,
                                9,
                                {"26.5", "27.0"},
                                0,
                                0,
                                {1, 0, 0, 1, 0},
                                {{9, "27.06500"}, {10, "-"}}},
                      PasteCase{"FixedFmStaysFm", 0, {{121, "27.60125"}}, UK, 1, {"27.6"}, 1, 0, {1, 0, 1, 0, 0}, {}},
                      PasteCase{"AmKeepsNoHighPower", 1, {}, A, 1, {"27.5"}, 1, 2, {1, 0, 1, 0, 0}, {{1, "27.50000"}}},
                      PasteCase{"MemoryTakesNearestCountryChannel",
                                0,
                                {{9, "27.065"}, {402, "27.065"}},
                                CbMem,
                                2,
                                {"27.068"},
                                0,
                                0,
                                {1, 0, 1, 0, 0},
                                {{2, "27.06500"}}},
                      PasteCase{
                          "FrequencyMovedIntoTheBand", 2, {}, A, 1, {"26.0"}, 0, 0, {1, 0, 1, 0, 0}, {{1, "28.00000"}}},
                      PasteCase{"EmptyRowClearsButLastMemoryStays",
                                1,
                                {{402, "27.1"}},
                                Mem,
                                1,
                                {""},
                                0,
                                0,
                                {0, 0, 0, 0, 1},
                                {{1, "27.10000"}}},
                      PasteCase{"AsCopied",
                                2,
                                {{5, "28.5"}},
                                A,
                                5,
                                {"28.3", "", "29.0"},
                                0,
                                1,
                                {3, 0, 0, 0, 0},
                                {{5, "28.30000"}, {6, "-"}, {7, "29.00000"}}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ChannelCommandsTest, PasteCopiesEveryShownSettingOfTheChannel)
{
    setUpBand(1, {{1, "27.1"}});
    set(A, 1, ChannelField::TDCT, 40);
    set(A, 1, ChannelField::DUP, 2);
    set(A, 1, ChannelField::OffSetFre, "600");
    set(A, 1, ChannelField::Tx_Power, 2);
    PasteChannels(doc, B, 3, CopyChannels(doc, A, 1, 1));
    ChannelRecord pasted = *ChannelAt(doc, B, 3);
    ChannelRecord copied = *ChannelAt(doc, A, 1);
    pasted.ChannelNo = copied.ChannelNo;
    EXPECT_EQ(pasted, copied);
}

TEST_F(ChannelCommandsTest, PasteRulesShowNoMessagePerRow)
{
    setUpBand(1, {});
    PasteChannels(doc, A, 1, clipOf({"27.1", "99.0"}));
    EXPECT_TRUE(notes.shown.empty());
    EXPECT_EQ(freqAt(A, 2), "30.10500");
}

// ---- Delete ------------------------------------------------------------------

struct DeleteCase {
    const char* name;
    int band;
    std::vector<std::pair<int, const char*>> channels;
    int group, first, count;
    DeleteSummary summary;
};

class DeleteTest : public ChannelCommandsTest, public ::testing::WithParamInterface<DeleteCase> {};

TEST_P(DeleteTest, ClearsThroughTheDeletionRules)
{
    const DeleteCase& c = GetParam();
    startWith(c.band, c.channels);
    EXPECT_EQ(DeleteChannels(doc, c.group, c.first, c.count), c.summary);
}

INSTANTIATE_TEST_SUITE_P(
    Bands, DeleteTest,
    ::testing::Values(
        DeleteCase{"LastMemoryChannelKept", 1, {{1, "27.1"}, {402, "27.1"}, {403, "27.2"}}, Mem, 1, 8, {1, 1}},
        DeleteCase{"Vfo", 2, {{1, "28.1"}, {401, "28.1"}}, Vfo, 1, 1, {0, 1}},
        DeleteCase{"SeveralRows", 2, {{1, "28.1"}, {2, "28.2"}, {3, "28.3"}}, A, 2, 5, {2, 0}},
        DeleteCase{"CbMemory", 0, {{1, "26.965"}, {402, "26.965"}, {403, "26.975"}}, CbMem, 1, 2, {1, 1}},
        DeleteCase{"CountryGroupIsAPlan", 0, {{1, "26.965"}, {2, "26.975"}}, EU, 1, 1, {0, 0}}),
    [](const auto& info) { return std::string(info.param.name); });

// ---- Insert and move ---------------------------------------------------------

TEST_F(ChannelCommandsTest, InsertOpensAPositionKeepingFieldsAndReferences)
{
    setUpBand(1, {{1, "27.1"}, {2, "27.2"}, {3, "27.3"}});
    set(A, 2, ChannelField::TDCT, 7);
    doc.Record.OptFeat.WorkChannel[A] = 1;          // position 2
    doc.Record.OptFeat.EmergencyChannel[A][1] = 0;  // position 1
    const std::size_t changesBefore = log.changes.size();

    EXPECT_EQ(InsertChannelAt(doc, A, 2), RearrangeOutcome::Done);
    EXPECT_EQ(freqAt(A, 1), "27.10000");
    EXPECT_EQ(freqAt(A, 2), "-");
    EXPECT_EQ(freqAt(A, 3), "27.20000");
    EXPECT_EQ(fieldAt(A, 3, ChannelField::TDCT), 7);
    EXPECT_EQ(freqAt(A, 4), "27.30000");
    EXPECT_EQ(doc.Record.OptFeat.WorkChannel[A], 2);
    EXPECT_EQ(doc.Record.OptFeat.EmergencyChannel[A][1], 0);
    EXPECT_GT(log.changes.size(), changesBefore);
}

TEST_F(ChannelCommandsTest, InsertRefusedWithTheLastPositionFull)
{
    setUpBand(2, {{1, "28.1"}, {40, "29.0"}});
    EXPECT_EQ(InsertChannelAt(doc, A, 1), RearrangeOutcome::LastPositionFull);
    EXPECT_EQ(freqAt(A, 1), "28.10000");
    setUpBand(0, {{1, "26.965"}, {402, "26.965"}});
    EXPECT_EQ(InsertChannelAt(doc, EU, 1), RearrangeOutcome::NotHere);
    EXPECT_EQ(InsertChannelAt(doc, CbMem, 1), RearrangeOutcome::Done);
    EXPECT_EQ(ChannelAt(doc, CbMem, 2)->ChannelNo, 403);
}

struct MoveCase {
    const char* name;
    int first, count, direction;
    RearrangeOutcome outcome;
    std::vector<const char*> positions1to4;
    int workPosition;  // where the working channel (at position 2 before) is afterwards
};

class MoveTest : public ChannelCommandsTest, public ::testing::WithParamInterface<MoveCase> {};

TEST_P(MoveTest, SwapsWithTheNeighbourAndTheWorkingChannelFollows)
{
    const MoveCase& c = GetParam();
    setUpBand(1, {{402, "27.1"}, {403, "27.2"}, {405, "27.4"}});
    doc.Record.OptFeat.Value1B = 1;
    EXPECT_EQ(MoveChannels(doc, Mem, c.first, c.count, c.direction), c.outcome);
    for (int p = 1; p <= 4; ++p)
        EXPECT_EQ(freqAt(Mem, p), c.positions1to4[static_cast<std::size_t>(p - 1)]) << "position " << p;
    EXPECT_EQ(doc.Record.OptFeat.Value1B + 1, c.workPosition);
}

INSTANTIATE_TEST_SUITE_P(
    Memory, MoveTest,
    ::testing::Values(
        MoveCase{"Up", 2, 1, -1, RearrangeOutcome::Done, {"27.20000", "27.10000", "-", "27.40000"}, 1},
        MoveCase{"Down", 2, 1, 1, RearrangeOutcome::Done, {"27.10000", "-", "27.20000", "27.40000"}, 3},
        MoveCase{"RunDown", 1, 2, 1, RearrangeOutcome::Done, {"-", "27.10000", "27.20000", "27.40000"}, 3},
        MoveCase{"RunUp", 3, 2, -1, RearrangeOutcome::Done, {"27.10000", "-", "27.40000", "27.20000"}, 4},
        MoveCase{"TopEdge", 1, 1, -1, RearrangeOutcome::AtEdge, {"27.10000", "27.20000", "-", "27.40000"}, 2},
        MoveCase{"BottomEdge", 8, 1, 1, RearrangeOutcome::AtEdge, {"27.10000", "27.20000", "-", "27.40000"}, 2}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ChannelCommandsTest, RearrangingIsOfferedOutsideTheCountryPlans)
{
    for (int band : {0, 1, 2}) {
        ASSERT_TRUE(ApplyBandMode(doc, band));
        const int groupsInBand = band == 0 ? 9 : 12;
        for (int g = 0; g < groupsInBand; ++g)
            EXPECT_EQ(CanRearrangeChannels(doc, g), band != 0 || g == CbMem) << band << "/" << g;
    }
}

// ---- The clipboard's own form ----------------------------------------------

TEST_F(ChannelCommandsTest, ClipTextRoundTrips)
{
    setUpBand(2, {{1, "28.1"}, {3, "28.3"}});
    set(A, 3, ChannelField::RDCT, 142);
    const ChannelClip clip = CopyChannels(doc, A, 1, 4);
    ASSERT_EQ(clip.rows.size(), 4u);
    EXPECT_EQ(clip.channelCount(), 2);
    EXPECT_EQ(ClipFromText(ClipToText(clip)), clip);
}

TEST_F(ChannelCommandsTest, ClipTextRejectsWhatIsNotOurs)
{
    for (const char* text : {"", "26.965\tOn\n", "brisko7-channels 1 band=7\n-\n",
                             "brisko7-channels 1 band=1\nRxFreq=02710000;Scan=70000\n",
                             "brisko7-channels 1 band=1\nRxFreq=27.1\n", "brisko7-channels 1 band=1\nColour=3\n"})
        EXPECT_FALSE(ClipFromText(text)) << text;
}

}  // namespace

// ---- The table Copy writes as text, back from a spreadsheet -----------------

TEST_F(ChannelCommandsTest, ClipFromTableReadsWhatCopyWritesAndASpreadsheetReturns)
{
    setUpBand(1, {{2, "28.2"}});
    set(A, 2, ChannelField::NB, 0);
    const auto clip = ClipFromTable(doc, A, 2,
                                    "No.\tFrequency (MHz)\tPublic\r\n"
                                    "1\t27,5\tOff\tOn\tDel\tC_001(67.0Hz)\tOff\r\n"
                                    "2\r\n"
                                    "3\t29.1\r\n");
    ASSERT_TRUE(clip);
    ASSERT_EQ(clip->rows.size(), 3u);
    const ChannelRecord& first = *clip->rows[0];
    EXPECT_EQ(FreqCodeToText(first.RxFreq, doc), FreqCodeToText(FreqTextToCode("27.5", doc), doc));
    EXPECT_EQ(std::tuple(first.Public, first.TSQ, first.Scan, first.RDCT, first.TDCT), std::tuple(0, 1, 0, 1, 0));
    EXPECT_EQ(first.NB, 0) << "a field the table lacks keeps the target channel's value";
    EXPECT_FALSE(clip->rows[1]) << "a row with only its position is an empty position";
    EXPECT_EQ(clip->rows[2]->NB, 1) << "a new channel's defaults";
    for (const char* text : {"hello", "1\t28.5.5\n", "1\t-28.1\n", "1\t28.1\tYes\n", "No.\tFreq\n"})
        EXPECT_FALSE(ClipFromTable(doc, A, 1, text)) << text;
}
