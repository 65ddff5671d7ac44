#include "../channels/channel_fixture.h"

#include "core/editors/option_update.h"

namespace {

using Scope = DocumentChange::Scope;

// A document of the HF band (every public row shown but the 5 kHz shift)
// with tone tip 8 and DTMF slot 16 defined, so that every list's last value
// can be picked.
class OptionUpdate : public ChannelFixture {
protected:
    void SetUp() override
    {
        setUpBand(1, {{1, "27.1"}});
        doc.Record.Tips[7].LoopCount = 1;
        doc.Record.Tips[7].Tones[0].Length = 5;
        doc.Record.Dtmf.Codes[15].Length = 3;
        doc.Record.PublicChannel = ChannelRecord{};
        doc.Record.PublicChannel.OffSetFre = 100;
        doc.Record.OptFeat.MaxSwr = 160;
    }

    static const OptionField& field(const char* name)
    {
        const OptionField* f = OptionFieldByName(OptionRecord::Options, name);
        if (!f)
            f = OptionFieldByName(OptionRecord::Public, name);
        EXPECT_NE(f, nullptr) << name;
        return *f;
    }
    UpdateResult set(const char* name, const std::string& value) { return SetOptionField(doc, field(name), value); }
    int value(const char* name) const { return OptionFieldValue(doc, field(name)); }

    static UpdateResult refusedFor(Refusal why) { return {UpdateOutcome::Refused, why}; }
};

TEST_F(OptionUpdate, EachSettingChangesExactlyItsOwnField)
{
    const DocumentRecord before = doc.Record;
    for (const OptionField& f : OptionFields()) {
        if (!IsOptionFieldShown(doc, f))
            continue;
        doc.Record = before;
        const int wanted = f.choices.max;
        log.changes.clear();
        EXPECT_EQ(SetOptionField(doc, f, wanted), stored()) << f.name;

        DocumentRecord expected = before;
        if (f.record == OptionRecord::Options)
            expected.OptFeat.*f.option = static_cast<std::int16_t>(wanted);
        else
            expected.PublicChannel.*ChannelFieldMember(f.publicField) = static_cast<std::int16_t>(wanted);
        EXPECT_EQ(doc.Record, expected) << f.name << " touched another field";
        const Scope scope = f.record == OptionRecord::Options ? Scope::Options : Scope::PublicChannel;
        EXPECT_EQ(log.changes, (std::vector<DocumentChange>{{scope, 0}})) << f.name;

        log.changes.clear();
        EXPECT_EQ(SetOptionField(doc, f, wanted), unchanged()) << f.name;
        EXPECT_TRUE(log.changes.empty()) << f.name << " announced a change that was none";
    }
}

TEST_F(OptionUpdate, StoreCodesNameTheWindowsControls)
{
    for (const auto& [code, name] : std::vector<std::pair<int, const char*>>{{2, "Beep"},
                                                                             {16, "AllowMemEdit"},
                                                                             {101, "DUP"},
                                                                             {108, "AM_FM"},
                                                                             {113, "DTMF_Call"},
                                                                             {200, "OffSetFre"},
                                                                             {300, "UseMaxSwr"}}) {
        ASSERT_NE(OptionFieldByCode(code), nullptr) << code;
        EXPECT_STREQ(OptionFieldByCode(code)->name, name);
    }
    // The memory-channel use, the VFO selection and the public receive tone are not offered.
    for (const int notOffered : {0, 1, 102})
        EXPECT_EQ(OptionFieldByCode(notOffered), nullptr) << notOffered;
    EXPECT_EQ(OptionFieldByName(OptionRecord::Public, "RDCT"), nullptr);
    EXPECT_EQ(&field("beep"), OptionFieldByCode(2)) << "names compare without regard to case";
}

TEST_F(OptionUpdate, ValuesNoListOffersAreRefusedAndChangeNothing)
{
    const DocumentRecord before = doc.Record;
    for (const auto& [name, bad] : std::vector<std::pair<const char*, const char*>>{{"Beep", "2"},
                                                                                    {"Beep", "-1"},
                                                                                    {"Beep", "x"},
                                                                                    {"Backlight", "0"},
                                                                                    {"Backlight", "4"},
                                                                                    {"TimeOutTimer", "31"},
                                                                                    {"GainControl", "12"},
                                                                                    {"DUP", "3"},
                                                                                    {"UseMaxSwr", "2"},
                                                                                    {"RBTone", "9"},
                                                                                    {"DTMF_BOT", "17"},
                                                                                    {"RBTone", "3"},
                                                                                    {"DTMF_EOT", "2"}}) {
        EXPECT_EQ(set(name, bad), refusedFor(Refusal::OutOfChoices)) << name << "=" << bad;
    }
    EXPECT_EQ(doc.Record, before);
    EXPECT_TRUE(log.changes.empty());
}

TEST_F(OptionUpdate, NumbersAndTextsAreConvertedAsTheWindowStoresThem)
{
    struct Case {
        const char* name;
        const char* value;
        int expected;
    };
    const Case cases[] = {
        {"OffSetFre", "1", 5},       {"OffSetFre", "17", 15},    {"OffSetFre", "1003", 1000}, {"OffSetFre", "", 5},
        {"OffSetFre", "abc", 5},     {"MaxSwr", "50", 70},       {"MaxSwr", "250", 200},      {"MaxSwr", "x", 200},
        {"MaxSwr", "165", 165},      {"Backlight", "x", 1},      {"RBTone", "Off", 0},        {"DTMF_Call", "16", 16},
        {"SpeakerVolume", "56", 56}, {"TimeOutTimer", "30", 30},
    };
    for (const Case& c : cases) {
        EXPECT_FALSE(set(c.name, c.value).refused()) << c.name << "=" << c.value;
        EXPECT_EQ(value(c.name), c.expected) << c.name << "=" << c.value;
    }
}

TEST_F(OptionUpdate, TheMaximumSwrBoxClampsAndRoundsWhatWasTyped)
{
    struct Case {
        const char* typed;
        const char* shown;
        int tenths;
    };
    const Case cases[] = {
        {"5", "7.0", 70},       {"25", "20.0", 200},    {"16.04", "16.0", 160}, {"x", "20.0", 200},
        {".", "20.0", 200},     {"1.2.3", "20.0", 200}, {"", "20.0", 200},      {"7", "7.0", 70},
        {"12.36", "12.4", 124}, {"20", "20.0", 200},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(MaxSwrShownText(c.typed), c.shown) << c.typed;
        EXPECT_EQ(MaxSwrTenths(MaxSwrShownText(c.typed)), c.tenths) << c.typed;
    }
    EXPECT_EQ(MaxSwrTenths("16.25"), 162) << "a half goes to the even neighbour";
    EXPECT_EQ(MaxSwrTextOfTenths(160), "16.0");
    EXPECT_EQ(MaxSwrTextOfTenths(75), "7.5");
}

TEST_F(OptionUpdate, AmLowersThePublicPowerAndRefusesHighPower)
{
    doc.Record.PublicChannel.Tx_Power = 2;
    EXPECT_EQ(set("AM_FM", "1"), stored());
    EXPECT_EQ(value("Tx_Power"), 1);
    EXPECT_EQ(log.changes, (std::vector<DocumentChange>{{Scope::PublicChannel, 0}}));
    EXPECT_EQ(set("Tx_Power", "2"), refusedFor(Refusal::HighPowerOnAm));
    EXPECT_EQ(value("Tx_Power"), 1);
    EXPECT_EQ(set("Tx_Power", "0"), stored());
}

TEST_F(OptionUpdate, ShowingAnAmPublicChannelStoresItsPowerLimitOnce)
{
    doc.Record.PublicChannel.AM_FM = 1;
    doc.Record.PublicChannel.Tx_Power = 2;
    EXPECT_EQ(ApplyPublicPowerLimit(doc), stored());
    EXPECT_EQ(doc.Record.PublicChannel.Tx_Power, 1);
    EXPECT_EQ(ApplyPublicPowerLimit(doc), unchanged());
    doc.Record.PublicChannel.AM_FM = 0;
    doc.Record.PublicChannel.Tx_Power = 2;
    EXPECT_EQ(ApplyPublicPowerLimit(doc), unchanged()) << "FM keeps high power";
    EXPECT_EQ(log.changes.size(), 1u);
}

TEST_F(OptionUpdate, RowsTheBandHidesAreRefused)
{
    struct Case {
        int band;
        const char* name;
        bool shown;
    };
    const Case cases[] = {
        {0, "DUP", false},        {0, "OffSetFre", false}, {0, "Tx_Power", false},   {0, "Add_Sub_5K", false},
        {0, "HI_CUT", true},      {0, "AsqFun", true},     {1, "DUP", true},         {1, "OffSetFre", true},
        {1, "Add_Sub_5K", false}, {2, "Tx_Power", true},   {2, "Add_Sub_5K", false},
    };
    for (const Case& c : cases) {
        setUpBand(c.band, {});
        EXPECT_EQ(IsOptionFieldShown(doc, field(c.name)), c.shown) << c.band << " " << c.name;
        const DocumentRecord before = doc.Record;
        const UpdateResult r = set(c.name, "1");
        EXPECT_EQ(r.refusal == Refusal::HiddenInBand, !c.shown) << c.band << " " << c.name;
        if (!c.shown) {
            EXPECT_EQ(doc.Record, before) << c.band << " " << c.name;
        }
    }
}

TEST_F(OptionUpdate, DefinedTipsAndSlotsAreTheOnesThatSoundOrHoldACode)
{
    doc.Record.Tips[1].LoopCount = 1;  // no tone with a length: not defined
    doc.Record.Tips[2].LoopCount = 2;
    doc.Record.Tips[2].Tones[13].Length = 1;
    doc.Record.Dtmf.Codes[0].Length = 1;
    EXPECT_EQ(DefinedToneTips(doc), (std::vector<int>{3, 8}));
    EXPECT_EQ(DefinedDtmfSlots(doc), (std::vector<int>{1, 16}));
}

}  // namespace
