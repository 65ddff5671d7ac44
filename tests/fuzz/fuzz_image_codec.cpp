// The image codec on any memory image read from a radio of any band: what it
// decodes to must save as a data file and open again, and encoding the
// records, decoding and encoding once more must give the same image.
#include "fuzz_check.h"

#include "core/model/data_file_format.h"
#include "core/model/document.h"
#include "core/model/field_ranges.h"
#include "core/model/image_codec.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>

namespace {

bool decode(Document& doc, const RadioImage& image, std::uint8_t band)
{
    doc.Image = image;
    doc.Radio.RadioBand = band;
    return DecodeImage(doc);
}

RadioImage encode(Document& doc)
{
    doc.Image.clear();
    EncodeImage(doc);
    return doc.Image;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 1)
        return 0;
    const std::uint8_t band = data[0] % 4;  // 3: a band no radio may report
    RadioImage image;
    std::copy_n(data + 1, std::min(size - 1, RadioImageSize), image.data());

    Document doc;
    if (!decode(doc, image, band)) {
        FUZZ_CHECK(band > 2);
        return 0;
    }
    FUZZ_CHECK(band <= 2);

    // What a radio held opens again as a data file.
    const auto file = ReadDataFileBytes(WriteDataFileBytes(doc.Record, doc.ChannelList));
    FUZZ_CHECK(file.has_value());
    FUZZ_CHECK(!FindFieldProblem(file->Record, file->Channels));

    // Encode, decode, encode: stable.
    const RadioImage first = encode(doc);
    Document again;
    FUZZ_CHECK(decode(again, first, band));
    FUZZ_CHECK(encode(again) == first);
    return 0;
}
