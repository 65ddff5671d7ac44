#include "core/model/document_dump.h"

#include <gtest/gtest.h>

namespace {

class Dump : public ::testing::Test {
protected:
    void SetUp() override
    {
        record.Model = {"BRISKO7", 1, "V100"};
        record.ChannelCount = 2;
        channels[0].ChannelNo = 1;
        channels[0].RxFreq = "02696500";
        channels[1].ChannelNo = 409;
        channels[1].RxFreq = "02800500";
        channels[2].ChannelNo = 77;  // beyond the count: not shown
        record.Dtmf.Codes[0] = {2, "1*"};
    }
    DocumentRecord record;
    std::array<ChannelRecord, MaxChannels> channels{};
};

TEST_F(Dump, JsonNamesRecordsAndFieldsAndEscapesTexts)
{
    record.Model.Model = std::string("A\"B\\\x01\xE9", 6);
    const std::string json = DocumentToJson(record, channels);
    EXPECT_EQ(
        json.rfind("{\"ModelRecord\":{\"Model\":\"A\\\"B\\\\\\u0001\xC3\xA9\",\"Band\":1,\"Version\":\"V100\"}", 0), 0u)
        << json.substr(0, 120);
    EXPECT_NE(json.find("\"ChannelCount\":2,\"ChannelList\":[{\"ChannelNo\":1,"), std::string::npos);
    EXPECT_NE(json.find("{\"ChannelNo\":409,"), std::string::npos);
    EXPECT_EQ(json.find("\"ChannelNo\":77"), std::string::npos);
    EXPECT_NE(json.find("\"Codes\":[{\"Length\":2,\"Digits\":\"1*\"},"), std::string::npos);
    EXPECT_NE(json.find("\"EmergencyChannel\":[[0,0],"), std::string::npos);
    EXPECT_EQ(json.substr(json.size() - 3), "]}\n");
}

TEST_F(Dump, TextListsOneFieldALineWithPositionsInLists)
{
    const std::string text = DocumentToText(record, channels);
    EXPECT_EQ(
        text.rfind("ModelRecord\n  Model: BRISKO7\n  Band: 1\n  Version: V100\nChannelCount: 2\nChannelList\n  [0]\n"
                   "    ChannelNo: 1\n",
                   0),
        0u)
        << text.substr(0, 200);
    EXPECT_NE(text.find("  [1]\n    ChannelNo: 409\n"), std::string::npos);
    EXPECT_NE(text.find("ToneTips\n  [0]\n    LoopCount: 0\n"), std::string::npos);
    EXPECT_NE(text.find("      [13]: 0 0\n"), std::string::npos);  // the last tone of a tip
}

}  // namespace
