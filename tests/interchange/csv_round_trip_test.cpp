#include "document_fixture.h"
#include "editor_edits.h"

#include "core/interchange/csv_export.h"
#include "core/interchange/csv_import.h"
#include "core/interchange/csv_table.h"

namespace {

class CsvRoundTrip : public DocumentFixture, public ::testing::WithParamInterface<int> {};

// Whatever the editors made of a new document comes back from its CSV into
// another new document of the band: in "CB" the settings of the country
// channels and the memory channels, in the bank bands every channel.
TEST_P(CsvRoundTrip, ExportThenImportGivesTheSameChannels)
{
    const int band = GetParam();
    auto edited = newDocument(band);
    EditorEdits(*edited, 7u + static_cast<unsigned>(band)).run(600);
    const std::string csv = ExportCsv(*edited);

    auto target = newDocument(band);
    const CsvImportSummary summary = ImportCsv(*target, csv);
    ASSERT_TRUE(summary.accepted());
    EXPECT_EQ(summary.refusedLines, std::vector<int>{}) << CsvImportSummaryText(summary);
    EXPECT_EQ(summary.changedByRule, 0) << CsvImportSummaryText(summary);
    EXPECT_EQ(summary.imported, edited->ChannelCount);
    EXPECT_EQ(channels(*target), channels(*edited));
}

INSTANTIATE_TEST_SUITE_P(Bands, CsvRoundTrip, ::testing::Values(0, 1, 2));

TEST_F(CsvRoundTrip, ExportedColumnsFollowTheCommonLayoutThenOurOwn)
{
    auto doc = newDocument(0);
    const auto rows = ParseCsv(ExportCsv(*doc));
    ASSERT_TRUE(rows);
    const std::vector<std::string>& header = rows->front().fields;
    ASSERT_EQ(header.size(), 33u);
    EXPECT_EQ(header[0], "Location");
    EXPECT_EQ(header[20], "DVCODE");
    EXPECT_EQ(header[21], "Group");
    EXPECT_EQ(header[32], "DTMF_Call");
    // A "UK" channel shows the 125 Hz ending of its plan.
    bool ukSeen = false;
    for (const CsvRow& row : *rows) {
        if (row.fields[21] == "UK" && row.fields[22] == "1") {
            ukSeen = true;
            EXPECT_EQ(row.fields[2], "27.601250");
            EXPECT_EQ(row.fields[16], "UK 1");
            EXPECT_EQ(row.fields[1], "");
        }
    }
    EXPECT_TRUE(ukSeen);
}

}  // namespace
