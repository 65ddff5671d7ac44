#include "channel_fixture.h"

#include "core/channels/channel_rules.h"
#include "core/channels/group_settings.h"

namespace {

using namespace groups;

class ChannelRules : public ChannelFixture {};

TEST_F(ChannelRules, LocksFollowBandGroupAndThePublicFlag)
{
    struct Case {
        int band;
        int group;
        int position;
        ChannelField field;
        bool publicOn;
        Refusal expected;
    };
    const Case cases[] = {
        {0, EU, 1, ChannelField::RxFreq, false, Refusal::CountryFrequency},
        {0, CbMem, 1, ChannelField::RxFreq, false, Refusal::None},
        {0, EU, 1, ChannelField::DUP, false, Refusal::HiddenInBand},
        {0, EU, 1, ChannelField::OffSetFre, false, Refusal::HiddenInBand},
        {0, EU, 1, ChannelField::Tx_Power, false, Refusal::HiddenInBand},
        {1, A, 1, ChannelField::Tx_Power, false, Refusal::None},
        {1, A, 1, ChannelField::Add_Sub_5K, false, Refusal::HiddenInBand},
        {1, Vfo, 1, ChannelField::Scan, false, Refusal::VfoScan},
        {2, A, 1, ChannelField::Scan, true, Refusal::None},
        {2, A, 1, ChannelField::TSQ, true, Refusal::None},
        {2, A, 1, ChannelField::RDCT, true, Refusal::None},
        {2, A, 1, ChannelField::DUP, true, Refusal::PublicGoverned},
        {2, A, 1, ChannelField::RBTone, true, Refusal::PublicGoverned},
        {2, A, 1, ChannelField::DUP, false, Refusal::None},
        {1, A, 41, ChannelField::TSQ, false, Refusal::NoSuchGroup},
        {0, 9, 1, ChannelField::TSQ, false, Refusal::NoSuchGroup},
    };
    for (const Case& c : cases) {
        setUpBand(c.band, {{GetGroupStart(c.group, c.band) + c.position, "27"}});
        if (const int i = FindChannelIndex(doc, GetGroupStart(c.group, c.band) + c.position); i >= 0)
            doc.ChannelList[static_cast<std::size_t>(i)].Public = c.publicOn ? 1 : 0;
        EXPECT_EQ(ChannelFieldLock(doc, c.group, c.position, c.field), c.expected)
            << "band " << c.band << " group " << c.group << " " << ChannelFieldName(c.field);
    }
    EXPECT_TRUE(IsFixFM(1, CE, 0) && IsFixFM(40, UK, 0) && IsFixFM(41, DE, 0));
    EXPECT_FALSE(IsFixFM(40, DE, 0) || IsFixFM(1, EU, 0) || IsFixFM(1, B, 1));
}

TEST_F(ChannelRules, GroupSettingsAreOfferedAndStoredAsTheWindowOffersThem)
{
    setUpBand(1, {{3, "27"}, {5, "27"}, {401, "28"}, {402, "28"}, {405, "28"}});
    auto& opt = doc.Record.OptFeat;
    opt.GroupValid[A] = 1;
    EXPECT_EQ(SetGroupSetting(doc, A, GroupSetting::WorkChannel, 5), stored());
    EXPECT_EQ(opt.WorkChannel[A], 4);
    EXPECT_EQ(GroupSettingValue(doc, A, GroupSetting::WorkChannel), 5);
    EXPECT_EQ(SetGroupSetting(doc, A, GroupSetting::WorkChannel, 5), unchanged());
    EXPECT_EQ(SetGroupSetting(doc, A, GroupSetting::EmergencyChannel2, 4), refusedFor(Refusal::NoChannel));
    EXPECT_EQ(SetGroupSetting(doc, Mem, GroupSetting::WorkChannel, 4), stored());
    EXPECT_EQ(opt.Value1B, 3);
    EXPECT_EQ(SetGroupSetting(doc, Mem, GroupSetting::EmergencyChannel1, 1), refusedFor(Refusal::NotOffered));
    EXPECT_EQ(SetGroupSetting(doc, Vfo, GroupSetting::WorkChannel, 1), refusedFor(Refusal::NotOffered));
    EXPECT_EQ(SetGroupSetting(doc, A, GroupSetting::GroupMode1, 1), stored());
    EXPECT_EQ(SetGroupSetting(doc, A, GroupSetting::GroupMode1, 2), refusedFor(Refusal::OutOfChoices));

    // The last valid group stays valid; a group without channels stays invalid.
    EXPECT_EQ(SetGroupSetting(doc, A, GroupSetting::GroupValid, 0), refusedFor(Refusal::LastValidGroup));
    EXPECT_EQ(opt.GroupValid[A], 1);
    EXPECT_EQ(SetGroupSetting(doc, B, GroupSetting::GroupValid, 1), refusedFor(Refusal::EmptyGroup));
    EXPECT_EQ(opt.GroupValid[B], 0);
    AddChannel(doc, 41, "27");
    EXPECT_EQ(SetGroupSetting(doc, B, GroupSetting::GroupValid, 1), stored());
    EXPECT_EQ(SetGroupSetting(doc, A, GroupSetting::GroupValid, 0), stored());
    EXPECT_EQ(CountValidGroupsExcept(doc, J), 1);
}

TEST_F(ChannelRules, FmOnlyEmergencyChannelsHoldTheirModulationAtFm)
{
    setUpBand(0, {{241, "26.965"}, {281, "26.565"}, {41, "26.965"}, {1, "26.965"}});
    auto& opt = doc.Record.OptFeat;
    opt.GroupMode[DE][0] = 1;
    EXPECT_FALSE(IsGroupModeLocked(doc, DE, 0));
    EXPECT_EQ(SetGroupSetting(doc, DE, GroupSetting::EmergencyChannel1, 41), stored());
    EXPECT_TRUE(IsGroupModeLocked(doc, DE, 0));
    EXPECT_EQ(opt.GroupMode[DE][0], 0) << "choosing an FM-only emergency channel stores FM";
    EXPECT_EQ(SetGroupSetting(doc, DE, GroupSetting::GroupMode1, 1), refusedFor(Refusal::FmLocked));
    EXPECT_EQ(SetGroupSetting(doc, DE, GroupSetting::GroupMode2, 1), stored()) << "position 1 is free";
    EXPECT_EQ(SetGroupSetting(doc, DE, GroupSetting::GroupValid, 1), refusedFor(Refusal::NotOffered));

    opt.GroupMode[CE][1] = 1;
    log.changes.clear();
    EXPECT_EQ(ApplyGroupModeLock(doc, CE), stored());
    EXPECT_EQ(opt.GroupMode[CE][1], 0);
    EXPECT_EQ(ApplyGroupModeLock(doc, CE), unchanged());
    EXPECT_EQ(log.changes.size(), 1u);
}

}  // namespace
