// The CSV reader and the import on any text: the first byte picks the band
// and the fill group, the rest is the file. A refused file or one of which no
// row was taken changes nothing; every document an import leaves behind saves
// as a data file that opens again, and an import that reported no problem
// leaves nothing for "check" to find that a new document does not have.
#include "fuzz_check.h"
#include "fuzz_program.h"

#include "core/base/app_state.h"
#include "core/app/data_file.h"
#include "core/model/document_snapshot.h"
#include "core/base/version_list.h"
#include "core/app/write_check.h"
#include "core/model/band_range.h"
#include "core/interchange/csv_import.h"
#include "core/model/data_file_format.h"
#include "core/model/document.h"
#include "core/model/field_ranges.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 1)
        return 0;
    setUpFuzzProgram();
    const int band = data[0] % 3;
    Document doc;
    ApplyBandMode(doc, band);
    InitDocument(doc, BRISKO7_SOURCE_DIR "/no-init-folder");
    const std::size_t findingsBefore = CheckDocument(doc).size();
    const DocumentSnapshot before = TakeSnapshot(doc);

    CsvImportOptions options;
    if (data[0] & 0x80)
        options.group = band == 0 ? "EU" : "C";
    const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);
    const CsvImportSummary summary = ImportCsv(doc, text, options);
    FUZZ_CHECK(!CsvImportSummaryText(summary).empty());
    if (!summary.accepted() || summary.tookNothing()) {
        FUZZ_CHECK(TakeSnapshot(doc) == before);
        return 0;
    }
    FUZZ_CHECK(summary.notes.size() <= MaxCsvListed && summary.refusedLines.size() <= MaxCsvListed);

    const auto bytes = WriteDataFileBytes(doc.Record, doc.ChannelList);
    const auto reopened = ReadDataFileBytes(bytes);
    FUZZ_CHECK(reopened.has_value());
    FUZZ_CHECK(!FindStructureProblem(reopened->Record, reopened->Channels));
    FUZZ_CHECK(!FindFieldProblem(reopened->Record, reopened->Channels));
    if (summary.clean())
        FUZZ_CHECK(CheckDocument(doc).size() <= findingsBefore);
    return 0;
}
