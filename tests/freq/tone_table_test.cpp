#include "core/model/tone_table.h"

#include <gtest/gtest.h>

namespace {

TEST(ToneTable, TheListHoldsTheTextsInToneCodeOrder)
{
    const auto& list = ToneList();
    ASSERT_EQ(list.size(), 143u);
    EXPECT_EQ(list[0], "Off");
    EXPECT_EQ(list[1], "C_001(67.0Hz)");
    EXPECT_EQ(list[12], "C_012(100.0Hz)");
    EXPECT_EQ(list[32], "C_032(203.5Hz)");
    EXPECT_EQ(list[38], "C_038(250.3Hz)");
    EXPECT_EQ(list[39], "D_001(023N)");
    EXPECT_EQ(list[55], "D_017(114N)");
    EXPECT_EQ(list[142], "D_104(754N)");
    for (std::size_t i = 40; i < list.size(); ++i)
        EXPECT_EQ(list[i].substr(0, 2), "D_") << i;
}

TEST(ToneTable, CodesToImageFormAndBack)
{
    EXPECT_EQ(ToneCodeToImage(0), (ToneImage{0, 0, 0}));
    EXPECT_EQ(ToneCodeToImage(1), (ToneImage{1, 0, 0}));
    EXPECT_EQ(ToneCodeToImage(38), (ToneImage{1, 37, 0}));
    EXPECT_EQ(ToneCodeToImage(39), (ToneImage{2, 0, 0}));
    EXPECT_EQ(ToneCodeToImage(142), (ToneImage{2, 0, 103}));
    for (int code = 0; code < ToneCount; ++code)
        EXPECT_EQ(ImageToToneCode(ToneCodeToImage(code)), code) << code;
}

TEST(ToneTable, TypeThreeAndOffIgnoreTheIndexBytes)
{
    EXPECT_EQ(ImageToToneCode(3, 5, 7), 0);
    EXPECT_EQ(ImageToToneCode(0, 5, 7), 0);
    EXPECT_EQ(ImageToToneCode(1, 11, 99), 12);
    EXPECT_EQ(ImageToToneCode(2, 99, 0), 39);
}

TEST(ToneTable, IndexBytesBeyondTheTablesKeepTheirOwnCodes)
{
    EXPECT_EQ(ImageToToneCode(2, 0, 104), 143);
    EXPECT_EQ(ImageToToneCode(2, 0, 255), 294);
    EXPECT_EQ(ToneCodeToImage(294), (ToneImage{2, 0, 255}));
    EXPECT_EQ(ImageToToneCode(1, 38, 0), 1039);
    EXPECT_EQ(ToneCodeToImage(1039), (ToneImage{1, 38, 0}));
    EXPECT_EQ(ToneListText(294), "?(294)");
    EXPECT_EQ(ToneListText(142), "D_104(754N)");
    // Codes that no image form holds are written as off.
    EXPECT_EQ(ToneCodeToImage(295), (ToneImage{}));
    EXPECT_EQ(ToneCodeToImage(1001), (ToneImage{}));
    EXPECT_EQ(ToneCodeToImage(-1), (ToneImage{}));
}

}  // namespace
