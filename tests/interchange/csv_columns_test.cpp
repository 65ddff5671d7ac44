#include "core/interchange/csv_columns.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// Tone codes: 8 is the CTCSS tone 88.5 Hz, 13 is 103.5 Hz, 39 the DCS code 023, 55 the DCS code 114.
struct ToneCase {
    int rdct;
    int tdct;
    const char* tone;
    const char* rToneFreq;
    const char* cToneFreq;
    const char* dtcs;
    const char* rxDtcs;
    const char* cross;
};

const std::vector<ToneCase> ToneCases{
    {0, 0, "", "88.5", "88.5", "023", "023", "Tone->Tone"},
    {0, 13, "Tone", "103.5", "88.5", "023", "023", "Tone->Tone"},
    {13, 13, "TSQL", "103.5", "103.5", "023", "023", "Tone->Tone"},
    {55, 55, "DTCS", "88.5", "88.5", "114", "114", "Tone->Tone"},
    {8, 13, "Cross", "103.5", "88.5", "023", "023", "Tone->Tone"},
    {0, 55, "Cross", "88.5", "88.5", "114", "023", "DTCS->"},
    {13, 0, "Cross", "88.5", "103.5", "023", "023", "->Tone"},
    {55, 0, "Cross", "88.5", "88.5", "023", "114", "->DTCS"},
    {55, 13, "Cross", "103.5", "88.5", "023", "114", "Tone->DTCS"},
    {13, 55, "Cross", "88.5", "103.5", "114", "023", "DTCS->Tone"},
    {39, 55, "Cross", "88.5", "88.5", "114", "023", "DTCS->DTCS"},
};

class ToneColumns : public ::testing::TestWithParam<ToneCase> {};

TEST_P(ToneColumns, WrittenAndReadBack)
{
    const ToneCase& c = GetParam();
    const CsvTones t = TonesToCsv(c.rdct, c.tdct);
    EXPECT_EQ(t.Tone, c.tone);
    EXPECT_EQ(t.rToneFreq, c.rToneFreq);
    EXPECT_EQ(t.cToneFreq, c.cToneFreq);
    EXPECT_EQ(t.DtcsCode, c.dtcs);
    EXPECT_EQ(t.RxDtcsCode, c.rxDtcs);
    EXPECT_EQ(t.CrossMode, c.cross);
    EXPECT_EQ(t.DtcsPolarity, "NN");
    const ToneCodes back = TonesFromCsv(t);
    EXPECT_EQ(back.RDCT, c.rdct);
    EXPECT_EQ(back.TDCT, c.tdct);
    EXPECT_FALSE(back.unavailable);
}

INSTANTIATE_TEST_SUITE_P(AllKinds, ToneColumns, ::testing::ValuesIn(ToneCases));

TEST(ToneColumnsFromOtherPrograms, OnlyTheColumnsTheToneNamesCount)
{
    CsvTones simplex;
    simplex.rToneFreq = "100.0";
    simplex.DtcsCode = "754";
    EXPECT_EQ(TonesFromCsv(simplex).TDCT, 0);
    EXPECT_EQ(TonesFromCsv(simplex).RDCT, 0);

    CsvTones unknownTone = simplex;
    unknownTone.Tone = "Tone";
    unknownTone.rToneFreq = "69.3";  // a CTCSS tone this radio does not have
    EXPECT_EQ(TonesFromCsv(unknownTone).TDCT, 0);
    EXPECT_TRUE(TonesFromCsv(unknownTone).unavailable);

    CsvTones shortCode;
    shortCode.Tone = "dtcs";
    shortCode.DtcsCode = "23";
    EXPECT_EQ(TonesFromCsv(shortCode).RDCT, 39);
}

TEST(PowerColumn, NamesIgnoreCaseAndUnknownNamesGiveNothing)
{
    EXPECT_EQ(PowerName(0), "Low");
    EXPECT_EQ(PowerName(2), "High");
    EXPECT_EQ(PowerByName("medium"), 1);
    EXPECT_EQ(PowerByName("HIGH"), 2);
    EXPECT_FALSE(PowerByName("5.0W"));
}

TEST(OffsetColumn, KilohertzAsMegahertz)
{
    EXPECT_EQ(OffsetToMhzText(100), "0.100000");
    EXPECT_EQ(OffsetFromMhzText("0.100000"), 100);
    EXPECT_EQ(OffsetFromMhzText("0.6"), 600);
    EXPECT_FALSE(OffsetFromMhzText("-0.6"));
    EXPECT_FALSE(OffsetFromMhzText("x"));
}

}  // namespace
