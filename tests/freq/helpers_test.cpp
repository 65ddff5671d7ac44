#include "core/base/app_state.h"
#include "core/freq/list_helpers.h"
#include "core/base/text_helpers.h"

#include <gtest/gtest.h>

namespace {

const std::vector<std::string> Three{"a", "b", "b"};

TEST(ListHelpers, ItemTextAndMatchFallBackToTheFirstItem)
{
    EXPECT_EQ(ListItemText(Three, 1), "b");
    EXPECT_EQ(ListItemText(Three, 5), "a");
    EXPECT_EQ(ListItemText(Three, -1), "a");
    EXPECT_EQ(ListItemText({}, 0), "");
    EXPECT_EQ(MatchListText(Three, "b"), "b");
    EXPECT_EQ(MatchListText(Three, "z"), "a");
    EXPECT_EQ(MatchListText({}, "a"), "");
}

TEST(ListHelpers, SelectionsPickTheFirstEqualItem)
{
    EXPECT_EQ(SelectListText(Three, "b"), (ListSelection{1, "b"}));
    EXPECT_EQ(SelectListText(Three, "z"), (ListSelection{0, "a"}));
    EXPECT_EQ(SelectListIndex(Three, 2), (ListSelection{1, "b"}));
    EXPECT_EQ(SelectListIndex(Three, 9), (ListSelection{0, "a"}));
    EXPECT_EQ(SelectListIndex({}, 0), (ListSelection{-1, ""}));
    EXPECT_EQ(SelectListText({}, "a"), (ListSelection{-1, ""}));
}

TEST(ListHelpers, ComboValues)
{
    std::int16_t value = 7;
    ComboIndexIfSelected(-1, value);
    EXPECT_EQ(value, 7);
    ComboIndexIfSelected(3, value);
    EXPECT_EQ(value, 3);
    EXPECT_EQ(ComboNumberOrDefault(0, "12", 5), 12);
    EXPECT_EQ(ComboNumberOrDefault(-1, "12", 5), 5);
    EXPECT_EQ(ComboNumberOrDefault(0, "Off", 5), 5);
    EXPECT_EQ(ComboNumberOrDefault(0, "99999", 5), 32767);
}

TEST(ListHelpers, DtmfCodeListOffersTheUsedSlots)
{
    AppState::instance().setProgramFolder(std::string(BRISKO7_SOURCE_DIR) + "/data");
    AppState::instance().setLanguage(1);
    DtmfSettings dtmf;
    dtmf.Codes[0].Length = 3;
    dtmf.Codes[9].Length = 1;
    dtmf.Codes[15].Length = 20;
    dtmf.Codes[4].Length = -1;
    const auto items = DtmfCodeComboItems(dtmf);
    EXPECT_EQ(items, (std::vector<std::string>{"Off", "1", "10", "16"}));
}

TEST(TextHelpers, ClampToStep)
{
    EXPECT_EQ(ClampToStep("1003", 5, 1000, 5, 5), 1000);
    EXPECT_EQ(ClampToStep("7", 5, 1000, 5, 5), 5);
    EXPECT_EQ(ClampToStep("12", 5, 1000, 5, 5), 10);
    EXPECT_EQ(ClampToStep("x", 5, 1000, 5, 5), 5);
    EXPECT_EQ(ClampToStep("12", 0, 16, 1, 0), 12);
    EXPECT_EQ(ClampToStep("-3", 0, 16, 1, 0), 0);
    // A long number clamps instead of wrapping through 16 bits first
    // (65541 would wrap to 5, 99999 to -31073).
    EXPECT_EQ(ClampToStep("65541", 5, 1000, 5, 5), 1000);
    EXPECT_EQ(ClampToStep("99999", 0, 16, 1, 0), 16);
    EXPECT_EQ(ClampToStep("123456789012345678901234", 0, 16, 1, 0), 16);
    EXPECT_EQ(ClampToStep("-99999", 0, 16, 1, 0), 0);
}

TEST(TextHelpers, TextToLongOr)
{
    EXPECT_EQ(TextToLongOr("42", 1), 42);
    EXPECT_EQ(TextToLongOr("", 1), 1);
    EXPECT_EQ(TextToLongOr("4x", 1), 1);
    EXPECT_EQ(TextToLongOr("99999999999", 1), 2147483647);
}

TEST(TextHelpers, TrimFixedAndDtmfMapping)
{
    EXPECT_EQ(TrimFixed(std::string("abc\0\0\0", 6)), "abc");
    EXPECT_EQ(TrimFixed("abc   "), "abc");
    EXPECT_EQ(TrimFixed(""), "");
    EXPECT_EQ(DtmfCodeToText("12EF"), "12#*");
    EXPECT_EQ(DtmfTextToCode("*0#"), "F0E");
}

}  // namespace
