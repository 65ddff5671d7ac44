#include "../channels/channel_fixture.h"
#include "../support/dtmf_references.h"

#include "core/editors/dtmf_update.h"
#include "core/model/fixed_text.h"

#include <optional>

namespace {

using Scope = DocumentChange::Scope;

// A document of the HF band with two channels and the public channel
// referring to DTMF slots 3 and 5, every setting at a value its list shows.
class DtmfUpdate : public ChannelFixture {
protected:
    void SetUp() override
    {
        setUpBand(1, {{1, "27.1"}, {2, "27.2"}});
        ReferToDtmfSlots3And5(doc);
        log.changes.clear();
    }

    static const DtmfSetting& setting(const char* name)
    {
        const DtmfSetting* s = DtmfSettingByName(name);
        EXPECT_NE(s, nullptr) << name;
        return *s;
    }
    const DtmfCode& code(int slot) const { return doc.Record.Dtmf.Codes[static_cast<std::size_t>(slot - 1)]; }
    std::vector<int> references() const { return DtmfReferences(doc); }
    static std::vector<DocumentChange> dtmfChanged() { return {{Scope::Dtmf, 0}}; }
};

TEST_F(DtmfUpdate, EachSettingStoresEveryChoiceIntoItsOwnFieldOnly)
{
    const DocumentRecord before = doc.Record;
    for (const DtmfSetting& s : DtmfSettingTable()) {
        for (const int value : s.choices) {
            doc.Record = before;
            log.changes.clear();
            const bool differs = before.Dtmf.*s.member != value;
            EXPECT_EQ(SetDtmfSetting(doc, s, value), differs ? stored() : unchanged()) << s.name << "=" << value;
            DocumentRecord expected = before;
            expected.Dtmf.*s.member = static_cast<std::int16_t>(value);
            EXPECT_EQ(doc.Record, expected) << s.name << "=" << value;
            EXPECT_EQ(log.changes, differs ? dtmfChanged() : std::vector<DocumentChange>{}) << s.name;
        }
    }
}

TEST_F(DtmfUpdate, ListsOfferTheRadiosTimingSteps)
{
    struct Case {
        const char* name;
        std::size_t items;
        int first, last, msPerUnit;
    };
    const Case cases[] = {{"DtmfRate", 50, 1, 50, 10},         {"FirstDigitTime", 11, 0, 10, 100},
                          {"FirstDigitDelay", 25, 1, 25, 100}, {"StarHashTone", 4, 0, 10, 100},
                          {"DKeySetting", 17, 0, 16, 0},       {"DtmfDisplay", 2, 0, 1, 0}};
    ASSERT_EQ(DtmfSettingTable().size(), std::size(cases));
    for (const Case& c : cases) {
        const DtmfSetting& s = setting(c.name);
        EXPECT_EQ(s.choices.size(), c.items) << c.name;
        EXPECT_EQ(s.choices.front(), c.first) << c.name;
        EXPECT_EQ(s.choices.back(), c.last) << c.name;
        EXPECT_EQ(s.msPerUnit, c.msPerUnit) << c.name;
    }
    EXPECT_EQ(setting("StarHashTone").choices, (std::vector<int>{0, 1, 5, 10}));
    EXPECT_EQ(&setting("dtmfrate"), &DtmfSettingTable().front()) << "names compare without regard to case";
}

TEST_F(DtmfUpdate, ValuesNoListOffersAreRefused)
{
    const DocumentRecord before = doc.Record;
    for (const auto& [name, bad] : std::vector<std::pair<const char*, int>>{{"DtmfRate", 0},
                                                                            {"DtmfRate", 51},
                                                                            {"FirstDigitTime", -1},
                                                                            {"FirstDigitDelay", 0},
                                                                            {"StarHashTone", 2},
                                                                            {"DKeySetting", 17},
                                                                            {"DtmfDisplay", 2}}) {
        EXPECT_EQ(SetDtmfSetting(doc, setting(name), bad), refusedFor(Refusal::OutOfChoices)) << name << "=" << bad;
    }
    EXPECT_EQ(doc.Record, before);
    EXPECT_TRUE(log.changes.empty());
}

TEST_F(DtmfUpdate, ShowingStoresOnlyTheValuesTheListsCannotShow)
{
    struct Case {
        const char* name;
        int storedValue;
        int afterShowing;
    };
    const Case cases[] = {
        {"DtmfRate", 0, 1},         {"DtmfRate", 51, 1},       {"DtmfRate", 50, 50},        {"FirstDigitTime", 11, 0},
        {"FirstDigitTime", 10, 10}, {"FirstDigitDelay", 0, 1}, {"FirstDigitDelay", 25, 25}, {"StarHashTone", 2, 0},
        {"StarHashTone", 10, 10},   {"DKeySetting", 17, 0},    {"DKeySetting", -1, 0},      {"DtmfDisplay", 2, 0},
        {"DtmfDisplay", 1, 1},
    };
    const DocumentRecord before = doc.Record;
    for (const Case& c : cases) {
        doc.Record = before;
        doc.Record.Dtmf.*setting(c.name).member = static_cast<std::int16_t>(c.storedValue);
        DocumentRecord expected = doc.Record;
        expected.Dtmf.*setting(c.name).member = static_cast<std::int16_t>(c.afterShowing);
        log.changes.clear();
        const bool differs = c.storedValue != c.afterShowing;
        EXPECT_EQ(NormaliseShownDtmf(doc), differs ? stored() : unchanged()) << c.name << "=" << c.storedValue;
        EXPECT_EQ(doc.Record, expected) << c.name << "=" << c.storedValue;
        EXPECT_EQ(log.changes, differs ? dtmfChanged() : std::vector<DocumentChange>{}) << c.name;
    }
}

TEST_F(DtmfUpdate, ShowingRestoresOnlySlotsWhoseBoxShowsOtherDigits)
{
    struct Case {
        const char* what;
        int length;
        std::string digits;
        bool restored;  // stored again as "12" with Length 2; otherwise untouched
    };
    const Case cases[] = {
        {"a clean code", 3, PadFixed("A1#", 16), false},
        {"sixteen digits", 16, "0123456789ABCD*#", false},
        {"blanks within the length", 5, PadFixed("12", 16), true},
        {"a NUL within the length", 4,
         std::string("12\0"
                     "4",
                     4)
             + std::string(12, ' '),
         true},
        {"fewer digits than the length", 4, "12", true},
        {"a length no box shows", 17, PadFixed("123", 16), false},
        {"a negative length", -1, PadFixed("123", 16), false},
        {"an empty slot with old digits", 0, PadFixed("99", 16), false},
    };
    for (const Case& c : cases) {
        SetUp();
        DtmfCode& slot = doc.Record.Dtmf.Codes[6];
        slot.Length = static_cast<std::int16_t>(c.length);
        slot.Digits = c.digits;
        const DtmfCode before = slot;
        NormaliseShownDtmf(doc);
        const DtmfCode restored{2, PadFixed("12", 16)};
        EXPECT_EQ(slot, c.restored ? restored : before) << c.what;
        EXPECT_EQ(log.changes, c.restored ? dtmfChanged() : std::vector<DocumentChange>{}) << c.what;
    }
    EXPECT_EQ(DtmfCodeShownText(DtmfCode{17, PadFixed("123", 16)}), "") << "no box shows a length above 16";
    EXPECT_EQ(DtmfCodeShownText(DtmfCode{2, PadFixed("123", 16)}), "12");
}

TEST_F(DtmfUpdate, ASlotShowingOnlyBlanksIsEmptiedWithItsReferences)
{
    doc.Record.Dtmf.Codes[2].Digits = std::string(16, ' ');
    NormaliseShownDtmf(doc);
    EXPECT_EQ(code(3).Length, 0);
    EXPECT_EQ(references(), (std::vector<int>{0, 5, 0, 0, 5, 0, 0, 5, 0}));
}

TEST_F(DtmfUpdate, TypedCodesAreNormalisedOrRefused)
{
    struct Case {
        std::string typed;
        std::optional<std::string> digits;
    };
    const Case cases[] = {
        {"a1#", "A1#"},
        {"abcd*#09", "ABCD*#09"},
        {"123   ", "123"},
        {std::string("12\0"
                     "9",
                     4),
         "12"},
        {"", ""},
        {"0123456789ABCD*#", "0123456789ABCD*#"},
        {"0123456789ABCD*#0", std::nullopt},
        {"12E", std::nullopt},
        {"1 2", std::nullopt},
        {"+1", std::nullopt},
        {"\xe9", std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(NormaliseDtmfCode(c.typed), c.digits) << c.typed;
}

TEST_F(DtmfUpdate, ACodeStoresItsLengthAndPaddedDigits)
{
    EXPECT_EQ(SetDtmfCode(doc, 16, "a1#"), stored());
    EXPECT_EQ(code(16), (DtmfCode{3, PadFixed("A1#", 16)}));
    EXPECT_EQ(log.changes, dtmfChanged());
    log.changes.clear();
    EXPECT_EQ(SetDtmfCode(doc, 16, "A1#"), unchanged());
    EXPECT_TRUE(log.changes.empty());
    const DocumentRecord before = doc.Record;
    for (const auto& [slot, typed] : std::vector<std::pair<int, const char*>>{{0, "1"}, {17, "1"}, {1, "X"}})
        EXPECT_EQ(SetDtmfCode(doc, slot, typed), refusedFor(Refusal::OutOfChoices)) << slot << " " << typed;
    EXPECT_EQ(doc.Record, before);
}

TEST_F(DtmfUpdate, ReferencesGoOnlyWhenAnEmptiedSlotIsCommitted)
{
    struct Case {
        const char* what;
        std::vector<std::pair<int, const char*>> edits;
        std::vector<int> referencesAfterCommit;
    };
    const Case cases[] = {
        {"emptied", {{3, ""}}, {0, 5, 0, 0, 5, 0, 0, 5, 0}},
        {"retyped", {{3, ""}, {3, "9"}}, {3, 5, 3, 3, 5, 3, 3, 5, 3}},
        {"another slot emptied", {{5, "1"}, {5, ""}}, {3, 0, 3, 3, 0, 3, 3, 0, 3}},
        {"both emptied", {{3, ""}, {5, ""}}, {0, 0, 0, 0, 0, 0, 0, 0, 0}},
        {"an empty slot typed into", {{7, "1"}}, {3, 5, 3, 3, 5, 3, 3, 5, 3}},
        {"a refused edit", {{3, "X"}}, {3, 5, 3, 3, 5, 3, 3, 5, 3}},
    };
    for (const Case& c : cases) {
        SetUp();
        DtmfCodeEdits edits;
        for (const auto& [slot, typed] : c.edits)
            edits.edit(doc, slot, typed);
        EXPECT_EQ(references(), (std::vector<int>{3, 5, 3, 3, 5, 3, 3, 5, 3})) << c.what << ": cleared while typing";
        edits.commit(doc);
        EXPECT_EQ(references(), c.referencesAfterCommit) << c.what;
        EXPECT_FALSE(edits.pending()) << c.what;
    }
}

TEST_F(DtmfUpdate, ClearingReferencesTellsTheChannelWindowsAndOnlyEditedSlotsAreCleared)
{
    // Slot 9 is empty but still referred to (say, by a hand-edited file): only
    // an edit of that slot would clear it.
    doc.ChannelList[0].DTMF_EOT = 9;
    DtmfCodeEdits edits;
    edits.edit(doc, 3, "");
    log.changes.clear();
    edits.commit(doc);
    EXPECT_EQ(log.changes, (std::vector<DocumentChange>{{Scope::Channels, 0}, {Scope::PublicChannel, 0}}));
    EXPECT_EQ(doc.ChannelList[0].DTMF_EOT, 9);
    log.changes.clear();
    edits.commit(doc);
    EXPECT_TRUE(log.changes.empty()) << "a second commit has nothing left to do";
}

}  // namespace
