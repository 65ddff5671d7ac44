// The data-file loader on any bytes: a file of the right size is taken apart,
// checked as opening a file checks it, and when it passes it must save to the
// very same records again.
#include "fuzz_check.h"

#include "core/model/data_file_format.h"
#include "core/model/field_ranges.h"

#include <cstddef>
#include <cstdint>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // Short inputs are stretched to a whole file, so that the fuzzer explores
    // the contents and not only the size check.
    std::vector<std::uint8_t> bytes(data, data + size);
    if (size < DataFileFormat::FileSize && size > 0 && data[0] == 0xA5)
        bytes.resize(DataFileFormat::FileSize, 0x20);
    const auto contents = ReadDataFileBytes(bytes);
    FUZZ_CHECK(contents.has_value() == (bytes.size() == DataFileFormat::FileSize));
    if (!contents)
        return 0;
    if (FindStructureProblem(contents->Record, contents->Channels)
        || FindFieldProblem(contents->Record, contents->Channels))
        return 0;
    const std::vector<std::uint8_t> saved = WriteDataFileBytes(contents->Record, contents->Channels);
    FUZZ_CHECK(saved.size() == DataFileFormat::FileSize);
    const auto again = ReadDataFileBytes(saved);
    FUZZ_CHECK(again.has_value());
    FUZZ_CHECK(WriteDataFileBytes(again->Record, again->Channels) == saved);
    FUZZ_CHECK(!FindFieldProblem(again->Record, again->Channels));
    return 0;
}
