#include "datafile_fixture.h"

#include "core/app/data_file.h"
#include "core/app/write_check.h"
#include "core/channels/channel_update.h"
#include "core/model/band_range.h"
#include "core/model/document.h"
#include "core/model/document_compare.h"
#include "core/model/field_ranges.h"
#include "core/model/image_codec.h"

#include <random>

namespace {

// Whatever a radio hands us must save and open again: decode images of
// random bytes (every present bit set, odd tone kinds and index bytes, large
// offsets, DTMF slots without terminators) and run them through a file.
class RadioDocuments : public DataFileTest {
protected:
    void randomImage(Document& doc, std::uint32_t seed, int band)
    {
        std::mt19937 random(seed);
        std::uniform_int_distribution<int> byte(0, 255);
        for (auto& b : doc.Image.bytes())
            b = static_cast<std::uint8_t>(byte(random));
        doc.Radio.RadioBand = static_cast<std::uint8_t>(band);
    }
};

TEST_F(RadioDocuments, EveryDecodedImageSavesAndOpensUnchanged)
{
    for (std::uint32_t seed = 1; seed <= 40; ++seed) {
        SCOPED_TRACE(seed);
        const int band = static_cast<int>(seed % 3);
        Document doc;
        InitDocument(doc, initFolder());
        randomImage(doc, seed, band);
        ASSERT_TRUE(DecodeImage(doc));
        const auto problem = FindFieldProblem(doc.Record, doc.ChannelList);
        EXPECT_FALSE(problem.has_value()) << problem.value_or("");
        doc.DocFileName = path("radio.dat");
        ASSERT_TRUE(SaveDocument(doc, m_notes));
        Document opened;
        InitDocument(opened, initFolder());
        ASSERT_EQ(OpenDocument(opened, doc.DocFileName, m_notes).outcome, OpenOutcome::Opened);
        EXPECT_TRUE(ListDifferences(doc.Record, doc.ChannelList, opened.Record, opened.ChannelList).empty());
        EXPECT_EQ(opened.BandMode, band);
    }
    EXPECT_TRUE(m_notes.shown.empty());
}

TEST_F(RadioDocuments, WritingBackAndReadingAgainGivesTheSameRecords)
{
    for (std::uint32_t seed = 100; seed < 130; ++seed) {
        SCOPED_TRACE(seed);
        Document doc;
        randomImage(doc, seed, static_cast<int>(seed % 3));
        ASSERT_TRUE(DecodeImage(doc));
        const DocumentRecord record = doc.Record;
        const auto channels = doc.ChannelList;
        doc.Image.clear();
        EncodeImage(doc);
        ASSERT_TRUE(DecodeImage(doc));
        const auto differences = ListDifferences(record, channels, doc.Record, doc.ChannelList);
        EXPECT_TRUE(differences.empty()) << (differences.empty() ? "" : differences[0].field);
    }
}

// What the check says about the VFO channel.
std::vector<CheckFinding> vfoFindings(const Document& doc)
{
    std::vector<CheckFinding> found;
    for (const CheckFinding& f : CheckDocument(doc)) {
        if (f.kind == CheckKind::VfoScanned || f.kind == CheckKind::NoVfoInCb)
            found.push_back(f);
    }
    return found;
}

TEST_F(RadioDocuments, AnOlderDocumentsVfoChannelIsNamedByTheCheck)
{
    const struct {
        int band;
        CheckFinding expected;
    } cases[] = {
        {1, {CheckKind::VfoScanned, "VFO 1", {}, 0}},
        {2, {CheckKind::VfoScanned, "VFO 1", {}, 0}},
        {0, {CheckKind::NoVfoInCb, "#401", {}, 0}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.band);
        Document doc;
        ASSERT_TRUE(ApplyBandMode(doc, c.band));
        InitDocument(doc, initFolder());
        // Channel 401 as older files hold it: scanned, and in every band.
        if (FindChannelIndex(doc, 401) < 0)
            AddChannel(doc, 401, "28");
        doc.ChannelList[static_cast<std::size_t>(FindChannelIndex(doc, 401))].Scan = 1;
        EXPECT_EQ(vfoFindings(doc), std::vector<CheckFinding>{c.expected});
    }
}

}  // namespace
