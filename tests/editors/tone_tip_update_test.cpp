#include "../channels/channel_fixture.h"

#include "core/editors/tone_tip_update.h"

namespace {

using Scope = DocumentChange::Scope;
using F = ToneTipField;

class ToneTipUpdate : public ChannelFixture {
protected:
    void SetUp() override { setUpBand(1, {{1, "27.1"}}); }
    ToneTip& tip(int t) { return doc.Record.Tips[static_cast<std::size_t>(t - 1)]; }
    std::vector<DocumentChange> announced() const { return log.changes; }
    static std::vector<DocumentChange> tipsChanged() { return {{Scope::ToneTips, 0}}; }
};

struct FieldCase {
    F field;
    int tone;
    std::vector<int> offered;  // values the list offers (stored)
    std::vector<int> refused;  // values it has no item for
};

TEST_F(ToneTipUpdate, EachFieldStoresWhatItsListOffersAndRefusesTheRest)
{
    const FieldCase cases[] = {
        {F::LoopCount, 1, {0, 1, 10}, {-1, 11, 200}},
        {F::Interval, 1, {0, 1, 255}, {-1, 256}},
        {F::Frequency, 14, {0, 40, 255}, {1, 39, 256, -5}},
        {F::Length, 1, {0, 1, 255}, {-1, 256}},
    };
    for (const FieldCase& c : cases) {
        for (const int v : c.offered) {
            const ToneTips before = doc.Record.Tips;
            log.changes.clear();
            const UpdateResult r = SetToneTipField(doc, 8, c.field, c.tone, v);
            EXPECT_EQ(ToneTipFieldValue(tip(8), c.field, c.tone), v);
            ToneTips expected = before;
            expected[7] = tip(8);
            EXPECT_EQ(doc.Record.Tips, expected) << "only tip 8 changes";
            const bool changed = !(before == doc.Record.Tips);
            EXPECT_EQ(r, changed ? stored() : unchanged()) << v;
            EXPECT_EQ(announced(), changed ? tipsChanged() : std::vector<DocumentChange>{}) << v;
        }
        for (const int v : c.refused) {
            const ToneTips before = doc.Record.Tips;
            log.changes.clear();
            EXPECT_EQ(SetToneTipField(doc, 8, c.field, c.tone, v), refusedFor(Refusal::OutOfChoices)) << v;
            EXPECT_EQ(doc.Record.Tips, before);
            EXPECT_TRUE(announced().empty());
        }
    }
}

TEST_F(ToneTipUpdate, StoringTheSameValueAgainAnnouncesNothing)
{
    ASSERT_EQ(SetToneTipField(doc, 2, F::Length, 3, 30), stored());
    log.changes.clear();
    EXPECT_EQ(SetToneTipField(doc, 2, F::Length, 3, 30), unchanged());
    EXPECT_TRUE(announced().empty());
}

TEST_F(ToneTipUpdate, NoTipOrToneOutsideTheWindowIsTouched)
{
    const ToneTips before = doc.Record.Tips;
    EXPECT_TRUE(SetToneTipField(doc, 0, F::LoopCount, 1, 1).refused());
    EXPECT_TRUE(SetToneTipField(doc, 9, F::LoopCount, 1, 1).refused());
    EXPECT_TRUE(SetToneTipField(doc, 1, F::Length, 0, 1).refused());
    EXPECT_TRUE(SetToneTipField(doc, 1, F::Frequency, 15, 40).refused());
    EXPECT_TRUE(StoreShownToneTip(doc, 9).refused());
    EXPECT_EQ(doc.Record.Tips, before);
}

TEST_F(ToneTipUpdate, EditsLeaveTheChannelsReferencesUntilTheyAreRechecked)
{
    tip(3) = ToneTip{};
    tip(3).LoopCount = 1;
    tip(3).Tones[0].Length = 10;
    doc.ChannelList[0].RBTone = 3;
    doc.Record.PublicChannel.RBTone = 3;
    EXPECT_EQ(SetToneTipField(doc, 3, F::Length, 1, 0), stored());
    EXPECT_EQ(doc.ChannelList[0].RBTone, 3) << "a tone on its way to another length";
    EXPECT_EQ(SetToneTipField(doc, 3, F::Length, 1, 20), stored());
    RecheckToneTipRefs(doc);
    EXPECT_EQ(doc.ChannelList[0].RBTone, 3);
    EXPECT_EQ(SetToneTipField(doc, 3, F::LoopCount, 1, 0), stored());
    RecheckToneTipRefs(doc);
    EXPECT_EQ(doc.ChannelList[0].RBTone, 0);
    EXPECT_EQ(doc.Record.PublicChannel.RBTone, 0);
}

TEST_F(ToneTipUpdate, FrequencyListItemsMapToStoredValues)
{
    const std::pair<int, int> itemAndValue[] = {{0, 0}, {1, 40}, {2, 41}, {216, 255}};
    for (const auto& [item, value] : itemAndValue) {
        EXPECT_EQ(ToneFrequencyOfItem(item), value);
        EXPECT_EQ(ToneFrequencyItem(value), item);
    }
    for (const int unlisted : {1, 30, 39, 256})
        EXPECT_EQ(ToneFrequencyItem(unlisted), 0) << unlisted;
    EXPECT_EQ(ToneTipListItem(F::LoopCount, 11), 0);
    EXPECT_EQ(ToneTipListItem(F::Interval, 255), 255);
}

TEST_F(ToneTipUpdate, ShowingATipStoresOnlyWhatItsListsCannotShow)
{
    ToneTip& t = tip(5);
    t = ToneTip{};
    t.LoopCount = 12;
    t.Interval = 300;
    t.Tones[0] = {30, 10};   // 300 Hz: no item, shows the rest and is stored so
    t.Tones[1] = {40, 256};  // length beyond the list
    t.Tones[2] = {255, 255};
    t.Tones[3] = {-2, -1};
    ToneTip expected = t;
    expected.LoopCount = 0;
    expected.Interval = 0;
    expected.Tones[0].Freq = 0;
    expected.Tones[1].Length = 0;
    expected.Tones[3] = {0, 0};
    EXPECT_EQ(ShownToneTip(t), expected);
    EXPECT_EQ(StoreShownToneTip(doc, 5), stored());
    EXPECT_EQ(tip(5), expected);
    EXPECT_EQ(announced(), tipsChanged());

    log.changes.clear();
    EXPECT_EQ(StoreShownToneTip(doc, 5), unchanged()) << "what the lists show is never written";
    EXPECT_TRUE(announced().empty());
}

}  // namespace
