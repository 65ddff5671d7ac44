#include "core/model/fixed_text.h"

#include <gtest/gtest.h>

namespace {

TEST(FixedText, PadAndCutToWidth)
{
    EXPECT_EQ(PadFixed("123", 16), "123" + std::string(13, ' '));
    EXPECT_EQ(PadFixed("BRISKO7X", 7), "BRISKO7");
    EXPECT_EQ(PadFixed("", 4), "    ");
}

TEST(FixedText, CharactersOutsideLatin1AreStoredAsQuestionMarks)
{
    EXPECT_EQ(Utf8ToLatin1("M\xC3\xBCller"), "M\xFCller");      // ü fits Latin-1
    EXPECT_EQ(Utf8ToLatin1("5\xE2\x82\xAC"), "5?");             // the euro sign does not
    EXPECT_EQ(Utf8ToLatin1("\xE4\xB8\xAD\xE6\x96\x87"), "??");  // two Chinese characters
    EXPECT_EQ(Utf8ToLatin1("\xF0\x9F\x93\xBB!"), "?!");         // a four-byte sequence
    EXPECT_EQ(Utf8ToLatin1("a\xC3"), "a?");                     // a cut sequence
    EXPECT_EQ(Utf8ToLatin1Fixed("\xE2\x82\xAC"
                                "1",
                                4),
              "?1  ");
    EXPECT_EQ(Latin1ToUtf8("M\xFCller"), "M\xC3\xBCller");
}

TEST(FixedText, CutAtNulThenTrim)
{
    EXPECT_EQ(CutAndTrimFixed(std::string("BRISKO7\0  ", 10)), "BRISKO7");
    EXPECT_EQ(CutAndTrimFixed("V100   "), "V100");
    EXPECT_EQ(CutAndTrimFixed(std::string("\0abc", 4)), "");
    EXPECT_EQ(CutAndTrimFixed("   "), "");
}

}  // namespace
