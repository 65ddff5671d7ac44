#include "document_fixture.h"
#include "editor_edits.h"

#include "core/app/write_check.h"
#include "core/freq/channel_groups.h"

#include <functional>

namespace {

}  // namespace

void PrintTo(const CheckFinding& f, std::ostream* os)
{
    *os << "{" << static_cast<int>(f.kind) << ", \"" << f.where << "\", \"" << f.value << "\", " << f.column << "}";
}

namespace {

class WriteCheck : public DocumentFixture, public ::testing::WithParamInterface<int> {};

TEST_P(WriteCheck, FindsNothingInNewDocumentsOrAfterEditorEdits)
{
    auto doc = newDocument(GetParam());
    EXPECT_EQ(CheckDocument(*doc), std::vector<CheckFinding>{});
    for (unsigned seed = 1; seed <= 4; ++seed) {
        EditorEdits(*doc, seed * 31u + static_cast<unsigned>(GetParam()), EditorEdits::Deletes::Yes).run(400);
        const auto findings = CheckDocument(*doc);
        EXPECT_EQ(findings, std::vector<CheckFinding>{})
            << "seed " << seed << ": " << (findings.empty() ? "" : CheckFindingText(findings.front()));
    }
}

INSTANTIATE_TEST_SUITE_P(Bands, WriteCheck, ::testing::Values(0, 1, 2));

// Hand-built documents, each broken in one way that only a file from
// elsewhere can bring.
struct Broken {
    const char* name;
    int band;
    std::function<void(Document&)> breakIt;
    CheckFinding expected;
};

ChannelRecord& channelAt(Document& doc, int group, int position)
{
    if (!ChannelAt(doc, group, position)) {
        AddChannel(doc, GetGroupStart(group, doc.BandMode) + position, group == Groups::CbMem ? "26.965" : "28.5");
        RefreshGroupAfterChange(doc, group);
    }
    return const_cast<ChannelRecord&>(*ChannelAt(doc, group, position));
}

// Makes a position of bank "A" empty while the bank keeps channels.
int emptyPositionOfA(Document& doc)
{
    channelAt(doc, 0, 1);
    if (const ChannelRecord* c = ChannelAt(doc, 0, 40))
        RemoveChannelAt(doc, FindChannelIndex(doc, c->ChannelNo));
    return 40;
}

const std::vector<Broken> BrokenDocuments{
    {"OutsideBand",
     1,
     [](Document& d) { channelAt(d, 0, 1).RxFreq = "03100000"; },
     {CheckKind::OutsideBand, "A 1", "31.00000", 0}},
    {"OffRaster",
     2,
     [](Document& d) { channelAt(d, 1, 2).RxFreq = "02850250"; },
     {CheckKind::OffRaster, "B 2", "28.50250", 0}},
    {"MemoryOffRaster",
     1,
     [](Document& d) { channelAt(d, Groups::BankMem, 3).RxFreq = "02700010"; },
     {CheckKind::OffRaster, "MEM 3", "27.00010", 0}},
    {"NoFrequency",
     1,
     [](Document& d) { channelAt(d, 0, 1).RxFreq = "12AB5678"; },
     {CheckKind::NoFrequency, "A 1", "", 0}},
    {"NoCountryChannel",
     0,
     [](Document& d) { channelAt(d, Groups::CbMem, 2).RxFreq = "02699900"; },
     {CheckKind::NoCountryChannel, "MEM 2", "26.99900", 0}},
    {"NoValidGroup", 1, [](Document& d) { d.Record.OptFeat.GroupValid.fill(0); }, {CheckKind::NoValidGroup, "", "", 0}},
    {"WorkOnEmpty",
     1,
     [](Document& d) { d.Record.OptFeat.WorkChannel[0] = emptyPositionOfA(d) - 1; },
     {CheckKind::WorkOnEmpty, "A", "40", 0}},
    {"EmergencyOnEmpty",
     1,
     [](Document& d) { d.Record.OptFeat.EmergencyChannel[0][1] = emptyPositionOfA(d) - 1; },
     {CheckKind::EmergencyOnEmpty, "A", "40", 2}},
    {"UndefinedToneTip",
     1,
     [](Document& d) {
         d.Record.Tips[7].LoopCount = 0;
         channelAt(d, 0, 1).RBTone = 8;
     },
     {CheckKind::UndefinedToneTip, "A 1", "8", 0}},
    {"EmptyDtmfSlot",
     2,
     [](Document& d) {
         d.Record.Dtmf.Codes[15].Length = 0;
         d.Record.PublicChannel.DTMF_EOT = 16;
     },
     {CheckKind::EmptyDtmfSlot, "", "16", 0}},
    {"AmHighPower",
     1,
     [](Document& d) {
         ChannelRecord& c = channelAt(d, 0, 1);
         c.AM_FM = 1;
         c.Tx_Power = 2;
     },
     {CheckKind::AmHighPower, "A 1", "", 0}},
    {"AmOnFixedFm",
     0,
     [](Document& d) { channelAt(d, Groups::UK, 5).AM_FM = 1; },
     {CheckKind::AmOnFixedFm, "UK 5", "", 0}},
};

class WriteCheckBroken : public DocumentFixture, public ::testing::WithParamInterface<Broken> {};

TEST_P(WriteCheckBroken, FindsTheOneProblem)
{
    auto doc = newDocument(GetParam().band);
    GetParam().breakIt(*doc);
    const auto findings = CheckDocument(*doc);
    ASSERT_EQ(findings.size(), 1u) << ::testing::PrintToString(findings);
    EXPECT_EQ(findings.front(), GetParam().expected);
    EXPECT_FALSE(CheckFindingText(findings.front()).empty());
}

INSTANTIATE_TEST_SUITE_P(Documents, WriteCheckBroken, ::testing::ValuesIn(BrokenDocuments),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(WriteCheckBroken, TextsNameThePlaceAndTheValue)
{
    EXPECT_EQ(CheckFindingText({CheckKind::OutsideBand, "A 1", "31.00000", 0}),
              "A 1: the frequency 31.00000 MHz lies outside the band.");
    EXPECT_EQ(CheckFindingText({CheckKind::EmergencyOnEmpty, "B", "7", 2}),
              "Group B: emergency channel 2 is position 7, which holds no channel.");
    EXPECT_EQ(CheckFindingText({CheckKind::AmHighPower, "", "", 0}), "Public channel: AM with High power.");
}

}  // namespace
