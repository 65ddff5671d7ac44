#include "../channels/channel_fixture.h"

#include "core/editors/key_update.h"

#include <algorithm>

namespace {

using Scope = DocumentChange::Scope;

class KeyUpdate : public ChannelFixture {
protected:
    void SetUp() override
    {
        doc.Record.Keys.KeyMode = 0;
        doc.Record.Keys.Keys.fill(1);
        log.changes.clear();
    }

    static int functionPosition(const char* name)
    {
        const auto& names = KeyFunctionNames();
        return static_cast<int>(std::find(names.begin(), names.end(), name) - names.begin());
    }
    static std::vector<DocumentChange> keysChanged() { return {{Scope::Keys, 0}}; }
};

TEST_F(KeyUpdate, EachKeyOfEachModeStoresItsFunctionCodeIntoItsOwnEntry)
{
    struct Case {
        int mode, key;
        const char* function;
        int entry, code;
    };
    const Case cases[] = {{1, 1, "RFG", 0, 2},    {1, 6, "DIM", 5, 19}, {2, 1, "5K", 6, 18},
                          {2, 6, "NULL", 11, 20}, {3, 1, "VOL", 12, 4}, {3, 6, "MOD", 17, 1}};
    const KeySettings before = doc.Record.Keys;
    for (const Case& c : cases) {
        doc.Record.Keys = before;
        doc.Record.Keys.Keys[static_cast<std::size_t>(c.entry)] = 7;
        log.changes.clear();
        ASSERT_EQ(KeyEntry(c.mode, c.key), c.entry);
        EXPECT_EQ(SetKeyFunction(doc, c.entry, functionPosition(c.function)), stored()) << c.function;
        KeySettings expected = before;
        expected.Keys[static_cast<std::size_t>(c.entry)] = static_cast<std::int16_t>(c.code);
        EXPECT_EQ(doc.Record.Keys, expected) << "P" << c.key << " of mode " << c.mode;
        EXPECT_EQ(log.changes, keysChanged());
    }
}

TEST_F(KeyUpdate, EveryEntryIsReachedOnceThroughTheModesAndKeys)
{
    std::vector<int> entries;
    for (int mode = 1; mode <= KeyModeCount; ++mode) {
        for (int key = 1; key <= KeysPerMode; ++key)
            entries.push_back(KeyEntry(mode, key));
    }
    std::vector<int> expected(KeyEntryCount);
    for (int i = 0; i < KeyEntryCount; ++i)
        expected[static_cast<std::size_t>(i)] = i;
    EXPECT_EQ(entries, expected);
    EXPECT_EQ(KeyFunctionNames().size(), 20u);
    EXPECT_EQ(KeyFunctionNames().front(), "MOD");
    EXPECT_EQ(KeyFunctionNames().back(), "NULL");
    EXPECT_EQ(KeyWorkingModeNames(), (std::vector<std::string>{"1&2", "1&3", "2&3", "1&2&3"}));
}

TEST_F(KeyUpdate, TheWorkingModeStoresItsListPosition)
{
    doc.Record.Keys.KeyMode = 3;
    EXPECT_EQ(ShownKeyModePosition(doc), 3);
    EXPECT_EQ(SetKeyMode(doc, 1), stored());
    EXPECT_EQ(doc.Record.Keys.KeyMode, 1);
    EXPECT_EQ(log.changes, keysChanged());
    log.changes.clear();
    EXPECT_EQ(SetKeyMode(doc, 1), unchanged());
    EXPECT_TRUE(log.changes.empty()) << "a pick of the stored value is no change";
}

TEST_F(KeyUpdate, ValuesNoListOffersAreRefused)
{
    const KeySettings before = doc.Record.Keys;
    EXPECT_EQ(SetKeyMode(doc, 4), refusedFor(Refusal::OutOfChoices));
    EXPECT_EQ(SetKeyMode(doc, -1), refusedFor(Refusal::OutOfChoices));
    for (const auto& [entry, position] : std::vector<std::pair<int, int>>{{0, 20}, {0, -1}, {18, 0}, {-1, 0}})
        EXPECT_EQ(SetKeyFunction(doc, entry, position), refusedFor(Refusal::OutOfChoices)) << entry << "," << position;
    EXPECT_EQ(doc.Record.Keys, before);
    EXPECT_TRUE(log.changes.empty());
}

TEST_F(KeyUpdate, StoredValuesOutsideTheListsShowTheFirstItem)
{
    struct Case {
        int stored, shownPosition;
    };
    for (const Case& c : {Case{0, 0}, Case{1, 0}, Case{20, 19}, Case{21, 0}, Case{-5, 0}}) {
        doc.Record.Keys.Keys[4] = static_cast<std::int16_t>(c.stored);
        EXPECT_EQ(ShownKeyFunctionPosition(doc, 4), c.shownPosition) << c.stored;
        EXPECT_EQ(doc.Record.Keys.Keys[4], c.stored) << "showing stores nothing";
    }
    for (const Case& c : {Case{3, 3}, Case{4, 0}, Case{-1, 0}}) {
        doc.Record.Keys.KeyMode = static_cast<std::int16_t>(c.stored);
        EXPECT_EQ(ShownKeyModePosition(doc), c.shownPosition) << c.stored;
    }
    EXPECT_TRUE(log.changes.empty());
}

}  // namespace
