#include "channel_fixture.h"

#include "core/channels/mem_freq_choice.h"

using namespace groups;

namespace {

class MemFreqChoiceTest : public ChannelFixture {
protected:
    void SetUp() override
    {
        setUpBand(0, {{1, "26.965"}, {2, "26.975"}, {121, "27.6012"}, {241, "26.965"}, {402, "28.0"}});
    }
};

}  // namespace

TEST_F(MemFreqChoiceTest, ListsOfferOffTheCountryGroupsAndTheirPositions)
{
    EXPECT_EQ(MemFreqGroupItems(), (std::vector<std::string>{"Off", "EU", "CE", "U", "UK", "PL", "I2", "DE", "IN"}));
    EXPECT_TRUE(MemFreqPositionItems(0).empty());
    EXPECT_EQ(MemFreqPositionItems(1).size(), 40u);
    EXPECT_EQ(MemFreqPositionItems(7).size(), 80u) << "DE";
    EXPECT_EQ(MemFreqPositionItems(7).back(), "80");
    EXPECT_TRUE(MemFreqPositionItems(9).empty());
}

TEST_F(MemFreqChoiceTest, OpensOnTheNearestCountryChannelOfTheBoxText)
{
    struct Case {
        const char* text;
        MemFreqChoice choice;
    };
    const Case cases[] = {
        {"", {0, -1}},      {"abc", {0, -1}},    {"27.60125", {4, 0}},  // UK channel 121
        {"26.976", {1, 1}}, {"28.0", {4, 0}},    {"26.965", {1, 0}},    // EU 1 comes before DE 1 in the list
        {"26,976", {1, 1}}, {"26.9.7", {0, -1}}, {"-27", {0, -1}},      // a comma is a point; no number, no channel
    };
    for (const Case& c : cases)
        EXPECT_EQ(MemFreqInitialChoice(doc, c.text), c.choice) << c.text;
}

TEST_F(MemFreqChoiceTest, WithoutACountryChannelItOpensOnOff)
{
    setUpBand(0, {{402, "28.0"}});
    EXPECT_EQ(MemFreqInitialChoice(doc, "27.0"), MemFreqChoice{});
}

TEST_F(MemFreqChoiceTest, AnotherGroupKeepsThePositionWhereItFits)
{
    EXPECT_EQ(MemFreqGroupChosen(1, 59), (MemFreqChoice{1, 0})) << "DE 60 to EU";
    EXPECT_EQ(MemFreqGroupChosen(7, 59), (MemFreqChoice{7, 59}));
    EXPECT_EQ(MemFreqGroupChosen(3, 39), (MemFreqChoice{3, 39}));
    EXPECT_EQ(MemFreqGroupChosen(2, -1), (MemFreqChoice{2, 0}));
    EXPECT_EQ(MemFreqGroupChosen(0, 5), MemFreqChoice{});
}

TEST_F(MemFreqChoiceTest, ShowsTheChosenChannelsFrequency)
{
    EXPECT_EQ(MemFreqChannelText(doc, {4, 0}), "27.60125");
    EXPECT_EQ(MemFreqChannelText(doc, {1, 1}), "26.97500");
    EXPECT_EQ(MemFreqChannelText(doc, {0, -1}), "");
    EXPECT_EQ(MemFreqChannelText(doc, {1, 2}), std::nullopt) << "EU 3 holds no channel";
    EXPECT_EQ(MemFreqChannelText(doc, {6, 0}), std::nullopt) << "I2 holds none";
}
