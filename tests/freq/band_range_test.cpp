#include "core/model/band_range.h"

#include "core/model/document.h"

#include <gtest/gtest.h>

namespace {

TEST(BandRange, EachBandHasItsRangeTextAndLimits)
{
    struct Case {
        int band;
        const char* text;
        double min;
        double max;
    };
    for (const Case& c : {Case{0, "26.965 - 27.405 MHz", 26.965, 27.405},
                          Case{1, "25.615 - 30.105 MHz", 25.615, 30.105}, Case{2, "28.000 - 29.700 MHz", 28.0, 29.7}}) {
        Document doc;
        ASSERT_TRUE(ApplyBandMode(doc, c.band)) << c.band;
        EXPECT_EQ(doc.BandMode, c.band);
        EXPECT_EQ(doc.BandRangeText, c.text);
        EXPECT_EQ(GetBandRangeText(c.band), c.text);
        EXPECT_DOUBLE_EQ(doc.FreqMin, c.min);
        EXPECT_DOUBLE_EQ(doc.FreqMax, c.max);
    }
}

TEST(BandRange, BadBandIsRefusedWithoutChangingTheDocument)
{
    Document doc;
    ASSERT_TRUE(ApplyBandMode(doc, 1));
    for (int bad : {-1, 3, 255}) {
        EXPECT_FALSE(GetBandRangeText(bad).has_value());
        EXPECT_FALSE(ApplyBandMode(doc, bad));
        EXPECT_EQ(doc.BandMode, 1);
        EXPECT_EQ(doc.BandRangeText, "25.615 - 30.105 MHz");
        EXPECT_DOUBLE_EQ(doc.FreqMin, 25.615);
        EXPECT_DOUBLE_EQ(doc.FreqMax, 30.105);
    }
    EXPECT_STREQ(CountryModeErrorText, "Country Mode Error!");
}

TEST(BandRange, UnparseableRangeFallsBackTo100And500)
{
    const BandLimits none = ParseBandRangeText("26.965 to 27.405 MHz");
    EXPECT_DOUBLE_EQ(none.FreqMin, 100.0);
    EXPECT_DOUBLE_EQ(none.FreqMax, 500.0);

    const BandLimits badLow = ParseBandRangeText("abc - 27.405 MHz");
    EXPECT_DOUBLE_EQ(badLow.FreqMin, 100.0);
    EXPECT_DOUBLE_EQ(badLow.FreqMax, 27.405);

    const BandLimits badHigh = ParseBandRangeText("26.965 - x MHz");
    EXPECT_DOUBLE_EQ(badHigh.FreqMin, 26.965);
    EXPECT_DOUBLE_EQ(badHigh.FreqMax, 500.0);

    const BandLimits noUnit = ParseBandRangeText("26.965 - 27.405");
    EXPECT_DOUBLE_EQ(noUnit.FreqMax, 27.405);

    Document doc;
    doc.BandRangeText = "";
    ParseBandRange(doc);
    EXPECT_DOUBLE_EQ(doc.FreqMin, 100.0);
    EXPECT_DOUBLE_EQ(doc.FreqMax, 500.0);
}

TEST(BandRange, BandNames)
{
    EXPECT_EQ(BandModeName(0), "CB");
    EXPECT_EQ(BandModeName(1), "HF");
    EXPECT_EQ(BandModeName(2), "HAM");
    EXPECT_EQ(BandModeName(3), "Unknown");
    EXPECT_EQ(BandModeName(-1), "Unknown");
}

}  // namespace
