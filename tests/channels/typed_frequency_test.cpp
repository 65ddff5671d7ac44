// A typed frequency: "," as decimal point, text that is no number is none;
// a typed VFO channel as the radio keeps it. (The windows' and the command
// line's tests show the refusals and the untouched group settings.)

#include "channel_fixture.h"

#include "core/freq/freq_code.h"

#include <optional>

namespace {

using namespace groups;

class TypedFrequency : public ChannelFixture {};

TEST_F(TypedFrequency, OnlyDecimalNumbersAreFrequenciesAndACommaIsTheirPoint)
{
    const struct {
        const char* typed;
        std::optional<double> mhz;
    } cases[] = {
        {"27,5", 27.5}, {"27.5", 27.5}, {" 28 ", 28.0},   {"27,", 27.0}, {",5", 0.5},
        {"28.5.5", {}}, {"28,5.5", {}}, {".", {}},        {",", {}},     {"-5", {}},
        {"+27", {}},    {"1e3", {}},    {"27.5 MHz", {}}, {"", {}},      {"2 7", {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        EXPECT_EQ(ParseTypedFreq(c.typed), c.mhz);
    }
}

TEST_F(TypedFrequency, ATypedVfoChannelIsUnscannedAsTheRadioKeepsIt)
{
    setUpBand(2, {{1, "28.5"}, {402, "28.5"}});
    EXPECT_EQ(set(Vfo, 1, ChannelField::RxFreq, "29"), stored());
    ASSERT_NE(channel(401), nullptr);
    EXPECT_EQ(channel(401)->Scan, 0);
    EXPECT_EQ(set(A, 2, ChannelField::RxFreq, "29"), stored());
    EXPECT_EQ(channel(2)->Scan, 1);
}

}  // namespace
