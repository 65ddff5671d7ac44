#include "core/model/radio_info.h"

#include <gtest/gtest.h>

#include <ctime>
#include <string>

namespace {

void put(RadioInfoBlock& block, std::size_t at, const std::string& text)
{
    for (std::size_t i = 0; i < text.size(); ++i)
        block.setByte(at + i, static_cast<std::uint8_t>(text[i]));
}

TEST(RadioInfo, DefaultsOfADocumentNeverReadFromARadio)
{
    RadioInfoRecord info;
    info.SalesArea = "old";
    SetRadioInfoDefaults(info, 2, "BRISKO7");
    EXPECT_EQ(info.InfoBand, 2);
    EXPECT_EQ(info.InfoModel, "BRISKO7");
    EXPECT_EQ(info.VersionText, "V1.00");
    EXPECT_EQ(info.SalesArea, "");
    EXPECT_EQ(info.CustomerCode, "001A");
    const std::time_t now = std::time(nullptr);
    std::tm parts{};
    localtime_r(&now, &parts);
    char month[16];
    std::snprintf(month, sizeof month, "%02d", parts.tm_mon + 1);
    EXPECT_EQ(info.BatchNo, std::string(month) + "-1-E-1");
    ASSERT_EQ(info.FactoryDate.size(), 16u);
    const auto nul = info.FactoryDate.find('\0');
    ASSERT_NE(nul, std::string::npos);
    EXPECT_GT(nul, 0u);  // a date, then NUL, then spaces
    EXPECT_EQ(info.FactoryDate.find_first_not_of(' ', nul + 1), std::string::npos);
    EXPECT_EQ(info.SalesTime, info.FactoryDate);
    EXPECT_EQ(info.SerialNo, std::string("\0", 1) + std::string(15, ' '));
    EXPECT_EQ(info.RepairReason.size(), 96u);
    EXPECT_EQ(info.RepairReason[0], '\0');
}

TEST(RadioInfo, BlockTextsEndAtZeroOrErasedBytes)
{
    RadioInfoBlock block;
    block.fill(0xFF);
    block.setByte(0x00, 0xF1);  // band in bits 0-3
    put(block, 0x1C, "12");     // password, then erased
    put(block, 0x20, "09-1-E-1");
    put(block, 0x28, "001A");
    put(block, 0x2C, "EU  ");
    put(block, 0x30, "SN12345   ");
    block.setByte(0x3A, 0x00);
    put(block, 0x40, "2024-01-01");
    put(block, 0x60, std::string(96, 'r'));
    put(block, 0xF0, "Handler name ok!");  // all 16 bytes used
    RadioInfoRecord info;
    info.InfoModel = "BRISKO7";
    info.VersionText = "V1.00";
    DecodeRadioInfoBlock(block, info);
    EXPECT_EQ(info.InfoBand, 1);
    EXPECT_EQ(info.BatchNo, "09-1-E-1");  // no room for the NUL
    EXPECT_EQ(info.CustomerCode, "001A");
    EXPECT_EQ(info.SalesArea, std::string("EU\0", 3));
    EXPECT_EQ(info.SerialNo, std::string("SN12345\0", 8) + std::string(8, ' '));
    EXPECT_EQ(info.FactoryDate, std::string("2024-01-01\0", 11) + std::string(5, ' '));
    EXPECT_EQ(info.RepairDate, std::string("\0", 1) + std::string(15, ' '));
    EXPECT_EQ(info.RepairReason, std::string(96, 'r'));
    EXPECT_EQ(info.Handler, "Handler name ok!");
    EXPECT_EQ(info.InfoModel, "BRISKO7");
    EXPECT_EQ(info.VersionText, "V1.00");
    EXPECT_EQ(RadioPasswordOf(block), "12");
}

TEST(RadioInfo, AnErasedAreaHasNoPasswordAndAnUnknownBand)
{
    RadioInfoBlock block;
    block.fill(0xFF);
    RadioInfoRecord info;
    DecodeRadioInfoBlock(block, info);
    EXPECT_EQ(info.InfoBand, 15);
    EXPECT_EQ(RadioPasswordOf(block), "");
    put(block, 0x1C, "ab  ");
    EXPECT_EQ(RadioPasswordOf(block), "ab");
}

}  // namespace
