#include "channel_fixture.h"

#include "core/base/app_state.h"
#include "core/editors/channel_edit_form.h"
#include "core/channels/channel_rules.h"

#include <set>

using namespace groups;

namespace {

constexpr int PublicRow = 0, DupRow = 1, ScanRow = 3, Shift5kRow = 7, AmFmRow = 8, PowerRow = 9, ToneTipRow = 10,
              DtmfBotRow = 11, DtmfCallRow = 13, RdctRow = 14, TdctRow = 15;

std::set<int> rowsWhere(const ChannelEditForm& form, bool (*test)(const ChannelEditRowState&))
{
    std::set<int> rows;
    for (int row = 0; row < ChannelEditRowCount; ++row) {
        if (test(form.rows[static_cast<std::size_t>(row)]))
            rows.insert(row);
    }
    return rows;
}

bool isShown(const ChannelEditRowState& s)
{
    return s.shown;
}
bool isDisabled(const ChannelEditRowState& s)
{
    return !s.enabled;
}
bool hasSelection(const ChannelEditRowState& s)
{
    return s.selected >= 0;
}

// The lists show the English texts, as the program does.
class ChannelEditFormTest : public ChannelFixture {
protected:
    void SetUp() override
    {
        AppState::instance().setProgramFolder(std::string(BRISKO7_SOURCE_DIR) + "/data");
        AppState::instance().setLanguage(1);
    }
    ChannelEditForm form(int group, int position) const { return ShowChannelEditForm(doc, group, position); }
    ChannelRecord& record(int no) { return doc.ChannelList[static_cast<std::size_t>(FindChannelIndex(doc, no))]; }
    const ChannelEditRowState& row(const ChannelEditForm& f, int r) const
    {
        return f.rows[static_cast<std::size_t>(r)];
    }
};

}  // namespace

TEST_F(ChannelEditFormTest, EachRowHandsItsOwnFieldInTheUpdateNumbering)
{
    // Row 0 is the public flag (kind 2), row 1 the shift direction (kind 3),
    // every later row i is kind i + 3.
    for (int r = 0; r < ChannelEditRowCount; ++r) {
        const int kind = static_cast<int>(ChannelEditRows()[static_cast<std::size_t>(r)].field);
        EXPECT_EQ(kind, r == 0 ? 2 : r == 1 ? 3 : r + 3) << r;
        EXPECT_EQ(ChannelEditRowOf(ChannelEditRows()[static_cast<std::size_t>(r)].field), r);
        EXPECT_EQ(ChannelEditRows()[static_cast<std::size_t>(r)].handsItemText, r >= ToneTipRow && r <= DtmfCallRow);
    }
    EXPECT_EQ(ChannelEditRowOf(ChannelField::RxFreq), -1);
    EXPECT_EQ(ChannelEditRowOf(ChannelField::OffSetFre), -1);
}

TEST_F(ChannelEditFormTest, TheBandDecidesWhichRowsExist)
{
    struct Case {
        int band, group;
        std::set<int> hidden;
        bool offset;
    };
    const Case cases[] = {
        {0, EU, {DupRow, Shift5kRow, PowerRow}, false},
        {0, CbMem, {DupRow, Shift5kRow, PowerRow}, false},
        {1, A, {Shift5kRow}, true},
        {2, J, {Shift5kRow}, true},
        {1, Vfo, {ScanRow, Shift5kRow}, true},
        {2, Vfo, {ScanRow, Shift5kRow}, true},
        {1, Mem, {Shift5kRow}, true},
    };
    for (const Case& c : cases) {
        setUpBand(c.band, {});
        const ChannelEditForm f = form(c.group, 1);
        std::set<int> hidden;
        for (int r = 0; r < ChannelEditRowCount; ++r) {
            if (!isShown(row(f, r)))
                hidden.insert(r);
        }
        EXPECT_EQ(hidden, c.hidden) << "band " << c.band << " group " << c.group;
        EXPECT_EQ(f.offsetShown, c.offset);
        EXPECT_EQ(IsOffsetInBand(c.band), c.offset);
    }
}

TEST_F(ChannelEditFormTest, PublicOnLeavesOnlyFrequencyScanSquelchAndTonesEditable)
{
    setUpBand(1, {{1, "27.1"}});
    record(1).Public = 0;
    ChannelEditForm f = form(A, 1);
    EXPECT_EQ(rowsWhere(f, isDisabled), std::set<int>{Shift5kRow}) << "the 5 kHz shift is never offered";
    EXPECT_TRUE(f.offsetEnabled);

    record(1).Public = 1;
    f = form(A, 1);
    EXPECT_EQ(rowsWhere(f, isDisabled), (std::set<int>{1, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13}));
    EXPECT_FALSE(f.offsetEnabled);
    EXPECT_TRUE(f.freqEnabled);
    EXPECT_EQ(row(f, PublicRow).selected, 1);
}

TEST_F(ChannelEditFormTest, FmOnlyPositionsLockTheModulation)
{
    struct Case {
        int band, group, position;
        bool locked;
    };
    const Case cases[] = {
        {0, CE, 1, true},  {0, UK, 40, true},    {0, DE, 41, true}, {0, DE, 80, true},  {0, DE, 40, false},
        {0, EU, 1, false}, {0, CbMem, 1, false}, {1, B, 1, false},  {2, Mem, 1, false},
    };
    for (const Case& c : cases) {
        setUpBand(c.band, {});
        AddChannel(doc, GetGroupStart(c.group, c.band) + c.position, c.band == 0 ? "26.965" : "28.5");
        record(GetGroupStart(c.group, c.band) + c.position).Public = 0;
        EXPECT_EQ(row(form(c.group, c.position), AmFmRow).enabled, !c.locked)
            << "band " << c.band << " group " << c.group << " position " << c.position;
    }
}

TEST_F(ChannelEditFormTest, ShowingAnFmOnlyChannelStoresFmThroughTheUpdatePath)
{
    setUpBand(0, {{241 + 40, "27.1"}, {241 + 39, "27.1"}});
    record(281).AM_FM = 1;
    record(280).AM_FM = 1;
    log.changes.clear();

    EXPECT_TRUE(ApplyFixedFm(doc, DE, 41, notes).stored());
    EXPECT_EQ(record(281).AM_FM, 0);
    EXPECT_EQ(log.changes, (std::vector<DocumentChange>{{DocumentChange::Scope::Channel, 281}}));

    EXPECT_EQ(ApplyFixedFm(doc, DE, 41, notes), unchanged());
    EXPECT_EQ(ApplyFixedFm(doc, DE, 40, notes), unchanged()) << "DE 40 keeps its AM";
    EXPECT_EQ(record(280).AM_FM, 1);
    EXPECT_EQ(ApplyFixedFm(doc, CE, 5, notes), unchanged()) << "no channel there";
}

TEST_F(ChannelEditFormTest, ThePowerListFollowsTheModulation)
{
    struct Case {
        int modulation, power;
        std::size_t items;
        int selected;
    };
    const Case cases[] = {{0, 0, 3, 0}, {0, 2, 3, 2}, {1, 0, 2, 0}, {1, 1, 2, 1}, {1, 2, 2, 1}, {0, 7, 3, 0}};
    for (const Case& c : cases) {
        setUpBand(1, {{1, "27.1"}});
        record(1).Public = 0;
        record(1).AM_FM = static_cast<std::int16_t>(c.modulation);
        record(1).Tx_Power = static_cast<std::int16_t>(c.power);
        const ChannelEditForm f = form(A, 1);
        EXPECT_EQ(row(f, PowerRow).items.size(), c.items) << c.modulation << "/" << c.power;
        EXPECT_EQ(row(f, PowerRow).selected, c.selected) << c.modulation << "/" << c.power;
        EXPECT_EQ(record(1).Tx_Power, c.power) << "showing stores nothing";
    }
}

TEST_F(ChannelEditFormTest, UndefinedToneTipsAndDtmfSlotsShowTheFirstItem)
{
    setUpBand(1, {{1, "27.1"}});
    record(1).Public = 0;
    doc.Record.Tips[2].LoopCount = 1;  // tip 3 sounds
    doc.Record.Tips[2].Tones[4].Length = 5;
    doc.Record.Tips[4].LoopCount = 1;     // tip 5 has no tone with a length
    doc.Record.Dtmf.Codes[6].Length = 3;  // slot 7 holds a code

    struct Case {
        int row, value;
        std::string selectedText;
    };
    const Case cases[] = {
        {ToneTipRow, 3, "3"}, {ToneTipRow, 5, ""}, {ToneTipRow, 9, ""},  {ToneTipRow, 0, ""},
        {DtmfBotRow, 7, "7"}, {DtmfBotRow, 2, ""}, {DtmfCallRow, 0, ""}, {DtmfCallRow, 17, ""},
    };
    for (const Case& c : cases) {
        record(1)
            .*ChannelFieldMember(ChannelEditRows()[static_cast<std::size_t>(c.row)].field) = static_cast<std::int16_t>(
            c.value);
        const ChannelEditForm shown = form(A, 1);
        const ChannelEditRowState& r = row(shown, c.row);
        const int expected = c.selectedText.empty() ? 0 : 1;
        EXPECT_EQ(r.selected, expected) << "row " << c.row << " value " << c.value;
        EXPECT_EQ(r.items.size(), 2u) << "row " << c.row;
    }
}

TEST_F(ChannelEditFormTest, ToneRowsOfferTheWholeToneListByCode)
{
    setUpBand(2, {{1, "28.5"}});
    record(1).RDCT = 38;
    record(1).TDCT = 142;
    const ChannelEditForm f = form(A, 1);
    EXPECT_EQ(row(f, RdctRow).items.size(), 143u);
    EXPECT_EQ(row(f, RdctRow).items[38], "C_038(250.3Hz)");
    EXPECT_EQ(row(f, RdctRow).selected, 38);
    EXPECT_EQ(row(f, TdctRow).items[142], "D_104(754N)");
    EXPECT_EQ(row(f, TdctRow).selected, 142);
    record(1).TDCT = 1039;  // a foreign CTCSS index the list cannot show
    EXPECT_EQ(row(form(A, 1), TdctRow).selected, 0);
}

TEST_F(ChannelEditFormTest, AnEmptyPositionShowsTheEmptyDisabledForm)
{
    struct Case {
        int band, group;
        bool freqEnabled, memButton, narrow;
    };
    const Case cases[] = {
        {1, A, true, false, false},
        {2, Mem, true, false, true},
        {0, EU, false, false, false},
        {0, CbMem, false, true, true},
    };
    for (const Case& c : cases) {
        setUpBand(c.band, {});
        const ChannelEditForm f = form(c.group, 2);
        EXPECT_FALSE(f.exists);
        EXPECT_EQ(f.freqText, "");
        EXPECT_EQ(f.freqEnabled, c.freqEnabled) << c.band << "/" << c.group;
        EXPECT_EQ(f.memButtonShown, c.memButton) << c.band << "/" << c.group;
        EXPECT_EQ(f.narrowFreq, c.narrow) << c.band << "/" << c.group;
        EXPECT_FALSE(f.offsetEnabled);
        EXPECT_EQ(rowsWhere(f, isDisabled).size(), std::size_t{ChannelEditRowCount});
        EXPECT_TRUE(rowsWhere(f, hasSelection).empty()) << "no value of another channel lingers";
    }
}

TEST_F(ChannelEditFormTest, AChannelShowsItsStoredValues)
{
    setUpBand(0, {{122, "27.6012"}});
    ChannelRecord& c = record(122);
    c.Public = 0;
    c.Scan = 0;
    c.NB = 1;
    c.OffSetFre = 455;
    const ChannelEditForm f = form(UK, 2);
    EXPECT_TRUE(f.exists);
    EXPECT_EQ(f.freqText, "27.60125");
    EXPECT_FALSE(f.freqEnabled) << "a country channel follows its plan";
    EXPECT_FALSE(f.memButtonShown);
    EXPECT_EQ(f.offsetText, "455");
    EXPECT_EQ(row(f, ScanRow).selected, 0);
    EXPECT_EQ(row(f, 6).selected, 1);
    EXPECT_EQ(row(f, ScanRow).items, (std::vector<std::string>{"Del", "Add"}));
}
