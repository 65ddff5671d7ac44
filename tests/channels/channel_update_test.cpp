#include "channel_fixture.h"

#include "core/channels/channel_rules.h"
#include "core/freq/freq_code.h"

namespace {

using namespace groups;
using Scope = DocumentChange::Scope;

class ChannelUpdate : public ChannelFixture {};

TEST_F(ChannelUpdate, TypingIntoAnEmptyPositionCreatesTheChannelWithTheDefaults)
{
    setUpBand(1, {{401, "28"}, {402, "28"}});
    EXPECT_EQ(set(A, 7, ChannelField::RxFreq, "27.1"), stored());
    const ChannelRecord* c = channel(7);
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(c->RxFreq, "02710000");
    EXPECT_EQ(c->Scan, 1);
    EXPECT_EQ(c->OffSetFre, 100);
    EXPECT_EQ(c->Public, 1);
    EXPECT_EQ(c->NB, 1);
    EXPECT_EQ(c->AM_FM + c->Tx_Power + c->DUP + c->RDCT + c->TDCT + c->TSQ + c->RBTone, 0);
    // The new channel's group becomes the valid one and says so once.
    EXPECT_EQ(doc.Record.OptFeat.GroupValid[A], 1);
    EXPECT_EQ(log.changes, (std::vector<DocumentChange>{{Scope::Channel, 7}, {Scope::GroupSettings, 0}}));
    EXPECT_TRUE(notes.shown.empty());
}

TEST_F(ChannelUpdate, OnlyARealChangeIsStoredAndAnnounced)
{
    setUpBand(1, {{1, "27.1"}, {401, "28"}, {402, "28"}});
    doc.Record.OptFeat.GroupValid[A] = 1;
    EXPECT_EQ(set(A, 1, ChannelField::RxFreq, "27.10000"), unchanged());
    EXPECT_EQ(set(A, 1, ChannelField::RxFreq, "27.1"), unchanged());  // normalises to the stored text
    EXPECT_EQ(set(A, 1, ChannelField::Scan, 1), unchanged());
    EXPECT_TRUE(log.changes.empty());
    EXPECT_EQ(set(A, 1, ChannelField::Scan, 0), stored());
    EXPECT_EQ(log.changes, (std::vector<DocumentChange>{{Scope::Channel, 1}}));
    // Fields of a position without a channel cannot be set; an empty frequency there changes nothing.
    EXPECT_EQ(set(A, 2, ChannelField::TSQ, 1), refusedFor(Refusal::NoChannel));
    EXPECT_EQ(set(A, 2, ChannelField::RxFreq, ""), unchanged());
    EXPECT_EQ(set(A, 41, ChannelField::TSQ, 1), refusedFor(Refusal::NoSuchGroup));
    EXPECT_EQ(doc.ChannelCount, 3);
}

TEST_F(ChannelUpdate, NumbersAreClampedAsTheEditorsClampThem)
{
    setUpBand(1, {{1, "27.1"}});
    struct Case {
        ChannelField field;
        const char* typed;
        std::int16_t ChannelRecord::*member;
        int expected;
    };
    const Case cases[] = {
        {ChannelField::OffSetFre, "1003", &ChannelRecord::OffSetFre, 1000},
        {ChannelField::OffSetFre, "7", &ChannelRecord::OffSetFre, 5},
        {ChannelField::OffSetFre, "2", &ChannelRecord::OffSetFre, 5},
        {ChannelField::OffSetFre, "", &ChannelRecord::OffSetFre, 5},
        {ChannelField::OffSetFre, "99999999999999", &ChannelRecord::OffSetFre, 1000},
        {ChannelField::RBTone, "9", &ChannelRecord::RBTone, 8},
        {ChannelField::RBTone, "x", &ChannelRecord::RBTone, 0},
        {ChannelField::DTMF_BOT, "20", &ChannelRecord::DTMF_BOT, 16},
        {ChannelField::DTMF_EOT, "-3", &ChannelRecord::DTMF_EOT, 0},
        {ChannelField::DTMF_Call, "7", &ChannelRecord::DTMF_Call, 7},
    };
    for (const Case& c : cases) {
        set(A, 1, c.field, c.typed);
        EXPECT_EQ(channel(1)->*c.member, c.expected) << ChannelFieldName(c.field) << " = \"" << c.typed << '"';
    }
}

TEST_F(ChannelUpdate, ModulationAndPowerStayWithinWhatTheRadioAllows)
{
    setUpBand(0, {{1, "26.965"}, {41, "26.965"}, {280, "26.965"}, {281, "26.965"}});
    // AM lowers a High power to 1; High power is then refused.
    doc.ChannelList[0].Tx_Power = 2;
    EXPECT_EQ(set(EU, 1, ChannelField::AM_FM, 1), stored());
    EXPECT_EQ(channel(1)->Tx_Power, 1);
    EXPECT_EQ(set(EU, 1, ChannelField::Tx_Power, 2), refusedFor(Refusal::HighPowerOnAm));
    EXPECT_EQ(set(EU, 1, ChannelField::Tx_Power, 3), refusedFor(Refusal::OutOfChoices));
    EXPECT_EQ(set(EU, 1, ChannelField::Tx_Power, 0), stored());
    // FM-only positions: all of CE, DE from position 41 on.
    EXPECT_EQ(set(CE, 1, ChannelField::AM_FM, 1), refusedFor(Refusal::FixedFm));
    EXPECT_EQ(set(DE, 40, ChannelField::AM_FM, 1), stored());
    EXPECT_EQ(set(DE, 41, ChannelField::AM_FM, 1), refusedFor(Refusal::FixedFm));
    EXPECT_EQ(set(DE, 41, ChannelField::AM_FM, 0), unchanged());
    EXPECT_EQ(set(EU, 1, ChannelField::RDCT, 143), refusedFor(Refusal::OutOfChoices));
    EXPECT_EQ(set(EU, 1, ChannelField::DUP, "x"), refusedFor(Refusal::OutOfChoices));
}

struct DeletionCase {
    const char* name;
    int band;
    std::vector<int> channels;
    int group;
    int position;
    Refusal expected;
};

class Deletion : public ChannelFixture, public ::testing::WithParamInterface<DeletionCase> {};

TEST_P(Deletion, FollowsTheRulesThatKeepTheRadioUsable)
{
    const DeletionCase& c = GetParam();
    setUpBand(c.band, {});
    for (int no : c.channels)
        AddChannel(doc, no, "28");
    const int before = doc.ChannelCount;
    const UpdateResult result = set(c.group, c.position, ChannelField::RxFreq, "");
    if (c.expected == Refusal::None) {
        EXPECT_EQ(result, stored());
        EXPECT_EQ(doc.ChannelCount, before - 1);
        EXPECT_EQ(channel(GetGroupStart(c.group, c.band) + c.position), nullptr);
    } else {
        EXPECT_EQ(result, refusedFor(c.expected));
        EXPECT_EQ(doc.ChannelCount, before);
        EXPECT_TRUE(log.changes.empty());
        EXPECT_TRUE(notes.shown.empty()) << "a refused deletion is silent";
    }
}

INSTANTIATE_TEST_SUITE_P(
    Rules, Deletion,
    ::testing::Values(DeletionCase{"vfo", 1, {1, 401, 402}, Vfo, 1, Refusal::KeepVfoChannel},
                      DeletionCase{"lastMemory", 1, {1, 401, 402}, Mem, 1, Refusal::KeepLastMemoryChannel},
                      DeletionCase{"oneOfTwoMemory", 2, {1, 401, 402, 409}, Mem, 8, Refusal::None},
                      // All regular channels in one bank: any but the last may go.
                      DeletionCase{"sameBank", 1, {1, 2, 3, 401, 402}, A, 2, Refusal::None},
                      DeletionCase{"lastRegular", 1, {5, 401, 402}, A, 5, Refusal::KeepLastChannel},
                      DeletionCase{"otherBank", 1, {1, 41, 401, 402}, B, 1, Refusal::None},
                      DeletionCase{"cbMemory", 0, {1, 401, 402, 403}, CbMem, 2, Refusal::None},
                      DeletionCase{"cbCountry", 0, {1, 41, 401, 402}, CE, 1, Refusal::None}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ChannelUpdate, ChangedFrequenciesAreNormalisedForTheirGroup)
{
    setUpBand(1, {{1, "27.1"}});
    EXPECT_EQ(set(A, 1, ChannelField::RxFreq, "27.1234"), stored());
    EXPECT_EQ(channel(1)->RxFreq, "02712000");
    EXPECT_TRUE(notes.shown.empty());
    EXPECT_EQ(set(A, 1, ChannelField::RxFreq, "31"), stored());
    EXPECT_EQ(channel(1)->RxFreq, "03010500");
    EXPECT_EQ(notes.shown.size(), 1u) << "one out-of-band entry warns once";

    // A memory channel of the CB band takes the nearest country channel.
    setUpBand(0, {{1, "26.965"}, {121, "27.6012"}, {402, "26.965"}});
    EXPECT_EQ(set(CbMem, 1, ChannelField::RxFreq, "27.6"), stored());
    EXPECT_EQ(channel(402)->RxFreq, "02760120");
    EXPECT_EQ(FreqCodeToShowText(channel(402)->RxFreq, CbMem, 0, doc), "27.60125");
    setUpBand(0, {{402, "26.965"}});
    EXPECT_EQ(set(CbMem, 1, ChannelField::RxFreq, "27.0"), refusedFor(Refusal::NoCountryChannel));
}

TEST_F(ChannelUpdate, GroupSettingsFollowTheChannelsOfTheGroup)
{
    setUpBand(1, {{3, "27"}, {5, "27"}, {41, "27"}, {401, "28"}, {402, "28"}, {404, "28"}});
    auto& opt = doc.Record.OptFeat;
    opt.GroupValid[A] = 1;
    opt.WorkChannel[A] = 4;          // position 5
    opt.EmergencyChannel[A][0] = 0;  // position 1: no channel
    opt.EmergencyChannel[A][1] = 2;  // position 3
    opt.Value1B = 2;                 // memory position 3: no channel
    RefreshGroupAfterChange(doc, A);
    EXPECT_EQ(opt.WorkChannel[A], 4);
    EXPECT_EQ(opt.EmergencyChannel[A][0], 2) << "the lowest position holding a channel, zero-based";
    EXPECT_EQ(opt.EmergencyChannel[A][1], 2);

    set(A, 5, ChannelField::RxFreq, "");
    EXPECT_EQ(opt.WorkChannel[A], 2);
    set(A, 3, ChannelField::RxFreq, "");
    EXPECT_EQ(opt.WorkChannel[A], 0);
    EXPECT_EQ(opt.GroupValid[A], 0);
    EXPECT_EQ(opt.GroupValid[B], 1) << "the group of the first listed channel becomes valid";

    set(Mem, 3, ChannelField::RxFreq, "28.5");
    set(Mem, 1, ChannelField::RxFreq, "");
    EXPECT_EQ(opt.Value1B, 2) << "the memory group's working channel moves to a held position";
    EXPECT_EQ(CheckChannelOffset(doc, A, 7), 0) << "an empty group gives 0";
}

TEST_F(ChannelUpdate, EmptiedReferencesAreClearedEverywhere)
{
    setUpBand(1, {{1, "27"}, {2, "27"}, {3, "27"}});
    doc.ChannelList[0].DTMF_BOT = 3;
    doc.ChannelList[1].DTMF_EOT = 3;
    doc.ChannelList[1].DTMF_Call = 4;
    doc.Record.PublicChannel.DTMF_Call = 3;
    ClearDtmfCodeRefs(doc, 3);
    EXPECT_EQ(doc.ChannelList[0].DTMF_BOT, 0);
    EXPECT_EQ(doc.ChannelList[1].DTMF_EOT, 0);
    EXPECT_EQ(doc.ChannelList[1].DTMF_Call, 4);
    EXPECT_EQ(doc.Record.PublicChannel.DTMF_Call, 0);
    EXPECT_EQ(log.changes, (std::vector<DocumentChange>{{Scope::Channels, 0}, {Scope::PublicChannel, 0}}));
    log.changes.clear();
    ClearDtmfCodeRefs(doc, 3);
    EXPECT_TRUE(log.changes.empty());

    // Tip 2 sounds; tip 5 has a loop count but no tone with a length.
    doc.Record.Tips[1].LoopCount = 1;
    doc.Record.Tips[1].Tones[13].Length = 10;
    doc.Record.Tips[4].LoopCount = 3;
    doc.ChannelList[0].RBTone = 2;
    doc.ChannelList[1].RBTone = 5;
    doc.ChannelList[2].RBTone = 9;
    doc.Record.PublicChannel.RBTone = 2;
    RecheckToneTipRefs(doc);
    EXPECT_EQ(doc.ChannelList[0].RBTone, 2);
    EXPECT_EQ(doc.ChannelList[1].RBTone, 0);
    EXPECT_EQ(doc.ChannelList[2].RBTone, 0);
    EXPECT_EQ(doc.Record.PublicChannel.RBTone, 2);
    EXPECT_EQ(log.changes, (std::vector<DocumentChange>{{Scope::Channels, 0}}));
}

TEST_F(ChannelUpdate, FieldNamesReadAsTheRecordsSpellThem)
{
    for (int k = FirstChannelField; k <= LastChannelField; ++k) {
        const auto field = static_cast<ChannelField>(k);
        EXPECT_EQ(ChannelFieldByName(ChannelFieldName(field)), field);
    }
    EXPECT_EQ(ChannelFieldByName("rxfreq"), ChannelField::RxFreq);
    EXPECT_EQ(ChannelFieldByName("add_sub_5k"), ChannelField::Add_Sub_5K);
    EXPECT_EQ(ChannelFieldByName("Frequency"), std::nullopt);
}

}  // namespace
