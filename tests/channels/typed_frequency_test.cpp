// A typed frequency: "," as decimal point, text that is no number refused
// (never the band edge), and an empty frequency on an empty position that
// changes nothing, not even the group settings.

#include "channel_fixture.h"

#include "app/lang_texts.h"
#include "app/text_fill.h"
#include "freq/freq_code.h"
#include "lang_text_ids.h"

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

TEST_F(TypedFrequency, TextThatIsNoNumberIsRefusedWithAMessageAndChangesNothing)
{
    for (const char* typed : {"28.5.5", ".", "-5", "1e3"}) {
        for (const int position : {1, 7}) {  // a channel, and an empty position
            SCOPED_TRACE(std::string(typed) + " at position " + std::to_string(position));
            setUpBand(1, {{1, "27.5"}, {401, "28"}, {402, "28"}});
            notes.shown.clear();
            EXPECT_EQ(set(A, position, ChannelField::RxFreq, typed), refusedFor(Refusal::NotAFrequency));
            ASSERT_EQ(notes.shown.size(), 1u);
            EXPECT_EQ(notes.shown[0].text, FillText(GetLangText(Txt::FreqNotANumber), {typed}));
            EXPECT_EQ(notes.shown[0].icon, NoticeIcon::Warning);
            EXPECT_EQ(channel(1)->RxFreq, "02750000");
            EXPECT_EQ(channel(7), nullptr);
            EXPECT_TRUE(log.changes.empty());
        }
    }
}

TEST_F(TypedFrequency, ACommaStoresTheFrequencyAndOutOfBandStillWarns)
{
    setUpBand(1, {{1, "27.5"}, {401, "28"}, {402, "28"}});
    EXPECT_EQ(set(A, 2, ChannelField::RxFreq, "27,125"), stored());
    EXPECT_EQ(channel(2)->RxFreq, "02712500");
    EXPECT_TRUE(notes.shown.empty());
    EXPECT_EQ(set(A, 2, ChannelField::RxFreq, "31,5"), stored());
    EXPECT_EQ(channel(2)->RxFreq, "03010500");
    ASSERT_EQ(notes.shown.size(), 1u);
    EXPECT_EQ(notes.shown[0].text, GetLangText(Txt::BadFrequency));
}

TEST_F(TypedFrequency, AnEmptyFrequencyOnAnEmptyPositionChangesNothing)
{
    const struct {
        const char* what;
        int group;
        int position;
    } cases[] = {
        {"working channel of A points at the empty position", A, 7},
        {"empty but enabled group D", 3, 3},
        {"memory working channel points at the empty position", Mem, 5},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        setUpBand(1, {{1, "27.5"}, {3, "27.5"}, {401, "28"}, {402, "28"}});
        OptFeatRecord& opt = doc.Record.OptFeat;
        opt.GroupValid[0] = 1;
        opt.GroupValid[3] = 1;
        opt.WorkChannel[0] = 6;
        opt.EmergencyChannel[0][1] = 6;
        opt.Value1B = 4;
        const OptFeatRecord before = opt;
        EXPECT_EQ(set(c.group, c.position, ChannelField::RxFreq, ""), unchanged());
        EXPECT_EQ(opt, before);
        EXPECT_EQ(doc.ChannelCount, 4);
        EXPECT_TRUE(log.changes.empty());
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
