// The expressions of the edit verb on any text, one per line, against a new
// document of the band the first byte picks. Whatever they do, the document
// saves as a data file that opens again; expressions that were all taken
// without a refusal or a warning leave nothing for "check" to find that a new
// document does not have; a malformed list changes nothing.
#include "fuzz_check.h"
#include "fuzz_program.h"

#include "edit_expressions.h"

#include "core/base/app_state.h"
#include "core/app/data_file.h"
#include "core/model/document_snapshot.h"
#include "core/base/version_list.h"
#include "core/app/write_check.h"
#include "core/model/band_range.h"
#include "core/model/data_file_format.h"
#include "core/model/document.h"
#include "core/model/field_ranges.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 1 || size > 4096)
        return 0;
    setUpFuzzProgram();
    std::vector<std::string> expressions(1);
    for (std::size_t i = 1; i < size; ++i) {
        if (data[i] == '\n')
            expressions.emplace_back();
        else
            expressions.back() += static_cast<char>(data[i]);
    }
    Document doc;
    ApplyBandMode(doc, data[0] % 3);
    InitDocument(doc, BRISKO7_SOURCE_DIR "/no-init-folder");
    const std::size_t findingsBefore = CheckDocument(doc).size();
    const DocumentSnapshot before = TakeSnapshot(doc);

    const EditExpressionsResult result = ApplyEditExpressions(doc, expressions,
                                                              [](const std::string&, const std::string&) {});
    if (!result.error.empty()) {
        FUZZ_CHECK(TakeSnapshot(doc) == before);
        return 0;
    }
    const auto reopened = ReadDataFileBytes(WriteDataFileBytes(doc.Record, doc.ChannelList));
    FUZZ_CHECK(reopened.has_value());
    FUZZ_CHECK(!FindStructureProblem(reopened->Record, reopened->Channels));
    FUZZ_CHECK(!FindFieldProblem(reopened->Record, reopened->Channels));
    if (result.reported == 0)
        FUZZ_CHECK(CheckDocument(doc).size() <= findingsBefore);
    return 0;
}
