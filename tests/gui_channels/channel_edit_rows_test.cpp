// The channel edit dialog's rows: which exist in which band and group, which
// the public flag and the FM-only positions lock, and what a pick stores.

#include "channel_edit_fixture.h"

#include "gui/base/twips.h"
#include "core/freq/channel_groups.h"
#include "lang_text_ids.h"

namespace {

constexpr int EU = 0, CE = 1, UK = 3, DE = 6, CbMem = 8;
constexpr int BankA = 0, Vfo = 10;
constexpr int PublicRow = 0, TsqRow = 2, ScanRow = 3, NbRow = 6, AmFmRow = 8, PowerRow = 9, ToneTipRow = 10,
              DtmfBotRow = 11, RdctRow = 14, TdctRow = 15;

using Rows = std::vector<int>;

}  // namespace

TEST_F(ChannelEditTest, EachBandShowsItsRowsAtItsHeight)
{
    struct Case {
        int band, group;
        Rows shown;
        bool offset;
        int frameTwips;
    };
    const Case cases[] = {
        {0, EU, {0, 2, 3, 4, 5, 6, 8, 10, 11, 12, 13, 14, 15}, false, 5535},
        {1, BankA, {0, 1, 2, 3, 4, 5, 6, 8, 9, 10, 11, 12, 13, 14, 15}, true, 6615},
        {2, Vfo, {0, 1, 2, 4, 5, 6, 8, 9, 10, 11, 12, 13, 14, 15}, true, 6615},
    };
    for (const Case& c : cases) {
        newDocument(c.band);
        openEdit(c.group, 1);
        EXPECT_EQ(shownRows(), c.shown) << "band " << c.band;
        EXPECT_EQ(!edit->offsetBox()->isHidden(), c.offset) << "band " << c.band;
        EXPECT_EQ(edit->frame()->height(), twipsToPixels(c.frameTwips));
        // Every label ends 100 twips left of its list.
        for (const int r : c.shown) {
            const int gap = row(r)->geometry().left() - edit->rowLabel(r)->geometry().right() - 1;
            EXPECT_NEAR(gap, twipsToPixels(100), 1) << "row " << r;
        }
        edit.reset();
    }
}

TEST_F(ChannelEditTest, TheVfoHasNoScanRowAndOtherGroupsHaveItAgain)
{
    newDocument(1);
    openEdit(Vfo, 1);
    EXPECT_TRUE(row(ScanRow)->isHidden());
    EXPECT_EQ(edit->positionList()->count(), 1);
    pick(edit->chooser()->groupBox(), "B");
    EXPECT_FALSE(row(ScanRow)->isHidden());
    EXPECT_EQ(edit->group(), 1);
    EXPECT_EQ(edit->positionList()->count(), 40);
    pick(edit->chooser()->groupBox(), "MEM");
    EXPECT_EQ(edit->positionList()->count(), 8);
    EXPECT_FALSE(row(ScanRow)->isHidden());
}

TEST_F(ChannelEditTest, PublicOnLocksExactlyTheRowsItGoverns)
{
    newDocument(1);
    addChannels(BankA, 2, 2);
    openEdit(BankA, 2);
    ASSERT_EQ(row(PublicRow)->currentText(), "On") << "a new channel is public";
    EXPECT_EQ(enabledRows(), (Rows{PublicRow, TsqRow, ScanRow, RdctRow, TdctRow}));
    EXPECT_FALSE(edit->offsetBox()->isEnabled());
    EXPECT_TRUE(edit->freqBox()->isEnabled());

    pick(row(PublicRow), "Off");
    EXPECT_EQ(record(2)->Public, 0);
    EXPECT_EQ(enabledRows(), (Rows{0, 1, 2, 3, 4, 5, 6, 8, 9, 10, 11, 12, 13, 14, 15}));
    EXPECT_TRUE(edit->offsetBox()->isEnabled());
}

TEST_F(ChannelEditTest, FmOnlyPositionsShowAndStoreFm)
{
    newDocument(0);
    addChannels(CE, 3, 3);
    addChannels(DE, 40, 41);
    for (const int no : {43, 280, 281}) {
        record(no)->AM_FM = 1;
        record(no)->Public = 0;
    }
    struct Case {
        int group, position, channelNo;
        bool locked;
    };
    const Case cases[] = {{CE, 3, 43, true}, {DE, 41, 281, true}, {DE, 40, 280, false}};
    for (const Case& c : cases) {
        openEdit(c.group, 1);
        edit->showChannel(c.group, c.position);
        EXPECT_EQ(row(AmFmRow)->isEnabled(), !c.locked) << c.channelNo;
        EXPECT_EQ(row(AmFmRow)->currentText(), c.locked ? "FM" : "AM") << c.channelNo;
        EXPECT_EQ(record(c.channelNo)->AM_FM, c.locked ? 0 : 1) << c.channelNo;
        const bool announcedFm = !announced.changes.empty()
            && announced.changes.front() == DocumentChange{DocumentChange::Scope::Channel, c.channelNo};
        EXPECT_EQ(announcedFm, c.locked) << "the stored FM is announced, so the grid and a save see it";
        edit.reset();
    }
}

TEST_F(ChannelEditTest, ChoosingAmLimitsThePowerList)
{
    newDocument(1);
    addChannels(BankA, 2, 2);
    record(2)->Public = 0;
    record(2)->Tx_Power = 2;
    openEdit(BankA, 2);
    EXPECT_EQ(row(PowerRow)->count(), 3);
    EXPECT_EQ(row(PowerRow)->currentIndex(), 2);

    pick(row(AmFmRow), "AM");
    EXPECT_EQ(record(2)->AM_FM, 1);
    EXPECT_EQ(record(2)->Tx_Power, 1);
    EXPECT_EQ(row(PowerRow)->count(), 2);
    EXPECT_EQ(row(PowerRow)->currentText(), LangText(Txt::PowerMedium));

    pick(row(PowerRow), LangText(Txt::PowerLow));
    EXPECT_EQ(record(2)->Tx_Power, 0);
    pick(row(AmFmRow), "FM");
    EXPECT_EQ(row(PowerRow)->count(), 3);
    EXPECT_EQ(record(2)->Tx_Power, 0);
}

TEST_F(ChannelEditTest, EachRowStoresItsOwnField)
{
    newDocument(2);
    addChannels(BankA, 2, 2);
    record(2)->Public = 0;
    doc.Record.Dtmf.Codes[4].Length = 2;  // slot 5 holds a code
    doc.Record.Tips[1].LoopCount = 1;     // tip 2 sounds
    doc.Record.Tips[1].Tones[0].Length = 3;
    openEdit(BankA, 2);

    struct Step {
        int row;
        QString item;
        std::int16_t ChannelRecord::*field;
        int stored;
    };
    const Step steps[] = {
        {ScanRow, "Del", &ChannelRecord::Scan, 0},
        {TsqRow, "On", &ChannelRecord::TSQ, 1},
        {1, "-", &ChannelRecord::DUP, 2},
        {4, "On", &ChannelRecord::HI_CUT, 1},
        {5, "On", &ChannelRecord::BUSY, 1},
        {NbRow, "Off", &ChannelRecord::NB, 0},
        {ToneTipRow, "2", &ChannelRecord::RBTone, 2},
        {DtmfBotRow, "5", &ChannelRecord::DTMF_BOT, 5},
        {12, "5", &ChannelRecord::DTMF_EOT, 5},
        {13, "5", &ChannelRecord::DTMF_Call, 5},
        {RdctRow, "C_013(103.5Hz)", &ChannelRecord::RDCT, 13},
        {TdctRow, "D_001(023N)", &ChannelRecord::TDCT, 39},
        {DtmfBotRow, LangText(Txt::DtmfCodeNone), &ChannelRecord::DTMF_BOT, 0},
    };
    for (const Step& s : steps) {
        ChannelRecord before = *record(2);
        pick(row(s.row), s.item);
        before.*s.field = static_cast<std::int16_t>(s.stored);
        EXPECT_EQ(*record(2), before) << "row " << s.row << " " << s.item.toStdString();
        EXPECT_EQ(row(s.row)->currentText(), s.item);
    }
}

TEST_F(ChannelEditTest, UndefinedToneTipsAndDtmfSlotsShowTheFirstItemUntilDefined)
{
    newDocument(1);
    addChannels(BankA, 2, 2);
    record(2)->Public = 0;
    record(2)->RBTone = 8;
    record(2)->DTMF_Call = 9;
    doc.Record.Tips[7] = ToneTip{};  // tip 8 does not sound
    openEdit(BankA, 2);
    EXPECT_EQ(row(ToneTipRow)->currentIndex(), 0);
    EXPECT_EQ(row(ToneTipRow)->findText("8"), -1);
    EXPECT_EQ(row(13)->currentText(), LangText(Txt::DtmfCodeNone));

    // The tone-tip and DTMF windows announce their tables; the lists follow.
    doc.Record.Tips[7].LoopCount = 1;
    doc.Record.Tips[7].Tones[2].Length = 1;
    doc.notifyChanged({DocumentChange::Scope::ToneTips, 0});
    EXPECT_EQ(row(ToneTipRow)->currentText(), "8");
    doc.Record.Dtmf.Codes[8].Length = 4;
    doc.notifyChanged({DocumentChange::Scope::Dtmf, 0});
    EXPECT_EQ(row(13)->currentText(), "9");
    EXPECT_EQ(record(2)->RBTone, 8) << "showing stores nothing";
}

TEST_F(ChannelEditTest, TheOffsetIsClampedOntoItsStepWhenTheBoxIsLeft)
{
    newDocument(1);
    addChannels(BankA, 2, 2);
    record(2)->Public = 0;
    openEdit(BankA, 2);
    struct Case {
        QString typed;
        int stored;
        QString shown;
    };
    const Case cases[] = {{"3", 5, "5"},      {"17", 15, "15"},  {"10035", 1000, "1000"},
                          {"", 1000, "1000"}, {"x25", 25, "25"}, {"455", 455, "455"}};
    for (const Case& c : cases) {
        typeAndLeave(edit->offsetBox(), c.typed);
        EXPECT_EQ(record(2)->OffSetFre, c.stored) << c.typed.toStdString();
        EXPECT_EQ(edit->offsetBox()->text(), c.shown) << c.typed.toStdString();
    }
    // Enter stores too and moves on.
    typeInto(edit->offsetBox(), "120");
    QTest::keyClick(edit->offsetBox(), Qt::Key_Return);
    EXPECT_EQ(record(2)->OffSetFre, 120);
    EXPECT_FALSE(edit->offsetBox()->hasFocus());
}

TEST_F(ChannelEditTest, TheCbFrontListLeadsFromUToUk)
{
    newDocument(0);
    addChannels(UK, 1, 2);
    openEdit(EU, 1);
    GroupChooser& chooser = *edit->chooser();
    EXPECT_TRUE(chooser.subCountryBox()->isHidden());
    pick(chooser.countryBox(), "U");
    EXPECT_FALSE(chooser.subCountryBox()->isHidden());
    EXPECT_EQ(edit->group(), 2);
    pick(chooser.subCountryBox(), "UK");
    EXPECT_EQ(edit->group(), UK);
    EXPECT_EQ(edit->position(), 1);
    EXPECT_EQ(edit->freqBox()->text().right(3), "125") << "UK channels show their raster";
    EXPECT_FALSE(edit->freqBox()->isEnabled());
    EXPECT_TRUE(edit->memFreqButton()->isHidden());
    pick(chooser.countryBox(), "MEM");
    EXPECT_EQ(edit->group(), CbMem);
    EXPECT_FALSE(edit->memFreqButton()->isHidden());
    EXPECT_TRUE(chooser.subCountryBox()->isHidden());
}
