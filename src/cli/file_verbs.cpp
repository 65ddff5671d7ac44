#include "cli_support.h"
#include "cli_verb.h"

#include "core/app/data_file.h"
#include "core/model/band_range.h"
#include "core/model/document.h"
#include "core/model/document_compare.h"
#include "core/model/document_dump.h"
#include "core/model/field_ranges.h"
#include "core/model/image_codec.h"

#include <cstdio>
#include <memory>

// The verbs on data files and images. Every failure prints one line on stderr,
// exits non-zero and writes no output file: outputs are written whole through
// a temporary file, and only after every input was accepted. An output that
// cannot be written exits 4; an output that is one of the inputs is refused
// as a usage error before anything is read.

namespace {

const std::set<std::string> NoValues;
const std::set<std::string> NoFlags;

// The band of "--band N": 0, 1 or 2; nothing otherwise.
std::optional<int> bandOption(const CliArgs& args)
{
    if (!args.has("--band"))
        return 0;
    const std::string& text = args.values.at("--band");
    if (text == "0" || text == "1" || text == "2")
        return text[0] - '0';
    return std::nullopt;
}

// The document that File > New gives in this installation for the band.
std::unique_ptr<Document> newDocument(int band)
{
    auto doc = std::make_unique<Document>();
    ApplyBandMode(*doc, band);
    InitDocument(*doc);
    return doc;
}

int saveAs(Document& doc, const std::string& path)
{
    doc.DocFileName = path;
    TerminalNotifier notes("brisko7-cli: " + path);
    return SaveDocument(doc, notes) ? CliExit::Ok : CliExit::Io;
}

int runNew(const std::vector<std::string>& argv)
{
    std::string error;
    const auto args = ParseCliArgs(argv, {"-o", "--band"}, NoFlags, error);
    if (!args)
        return CliFail("new", error, CliExit::Usage);
    if (!args->positional.empty() || !args->has("-o"))
        return CliFail("new", "usage: new [--band 0|1|2] -o FILE.dat", CliExit::Usage);
    const auto band = bandOption(*args);
    if (!band)
        return CliFail("new", "--band must be 0, 1 or 2", CliExit::Usage);
    PrepareInstallation();
    auto doc = newDocument(*band);
    return saveAs(*doc, args->values.at("-o"));
}

int runShow(const std::vector<std::string>& argv)
{
    std::string error;
    const auto args = ParseCliArgs(argv, NoValues, {"--json"}, error);
    if (!args)
        return CliFail("show", error, CliExit::Usage);
    if (args->positional.size() != 1)
        return CliFail("show", "usage: show FILE.dat [--json]", CliExit::Usage);
    PrepareInstallation();
    const auto doc = OpenCheckedDataFile(args->positional[0]);
    if (!doc)
        return CliExit::Refused;
    const std::string out = args->flags.count("--json") ? DocumentToJson(doc->Record, doc->ChannelList)
                                                        : DocumentToText(doc->Record, doc->ChannelList);
    std::fwrite(out.data(), 1, out.size(), stdout);
    return CliExit::Ok;
}

int runEncode(const std::vector<std::string>& argv)
{
    std::string error;
    const auto args = ParseCliArgs(argv, {"-o"}, NoFlags, error);
    if (!args)
        return CliFail("encode", error, CliExit::Usage);
    if (args->positional.size() != 1 || !args->has("-o"))
        return CliFail("encode", "usage: encode FILE.dat -o IMAGE", CliExit::Usage);
    if (OutputIsInput("encode", args->positional[0], args->values.at("-o")))
        return CliExit::Usage;
    PrepareInstallation();
    const auto doc = OpenCheckedDataFile(args->positional[0]);
    if (!doc)
        return CliExit::Refused;
    if (const auto problem = FindFieldProblem(doc->Record, doc->ChannelList))
        return CliFail("encode", args->positional[0] + ": " + *problem, CliExit::Refused);
    doc->Image.clear();
    EncodeImage(*doc);
    const auto& bytes = doc->Image.bytes();
    return CliWriteOutput("encode", args->values.at("-o"), {bytes.begin(), bytes.end()});
}

int runDecode(const std::vector<std::string>& argv)
{
    std::string error;
    const auto args = ParseCliArgs(argv, {"-o", "--band"}, NoFlags, error);
    if (!args)
        return CliFail("decode", error, CliExit::Usage);
    if (args->positional.size() != 1 || !args->has("-o") || !args->has("--band"))
        return CliFail("decode", "usage: decode IMAGE --band 0|1|2 -o FILE.dat", CliExit::Usage);
    const auto band = bandOption(*args);
    if (!band)
        return CliFail("decode", "--band must be 0, 1 or 2", CliExit::Usage);
    const std::string& imagePath = args->positional[0];
    if (OutputIsInput("decode", imagePath, args->values.at("-o")))
        return CliExit::Usage;
    const auto bytes = ReadBinaryFile(imagePath, RadioImageSize);
    if (!bytes)
        return CliFail("decode", imagePath + ": cannot be read or is longer than an image", CliExit::Refused);
    if (bytes->size() != RadioImageSize)
        return CliFail("decode",
                       imagePath + ": is " + std::to_string(bytes->size()) + " bytes, an image has "
                           + std::to_string(RadioImageSize),
                       CliExit::Refused);
    PrepareInstallation();
    auto doc = newDocument(*band);
    std::copy(bytes->begin(), bytes->end(), doc->Image.bytes().begin());
    doc->Radio.RadioBand = static_cast<std::uint8_t>(*band);
    DecodeImage(*doc);
    doc->notifyReplaced();
    return saveAs(*doc, args->values.at("-o"));
}

int runDiff(const std::vector<std::string>& argv)
{
    std::string error;
    const auto args = ParseCliArgs(argv, NoValues, NoFlags, error);
    if (!args)
        return CliFail("diff", error, CliExit::Usage);
    if (args->positional.size() != 2)
        return CliFail("diff", "usage: diff A.dat B.dat", CliExit::Usage);
    PrepareInstallation();
    const auto a = OpenCheckedDataFile(args->positional[0]);
    const auto b = a ? OpenCheckedDataFile(args->positional[1]) : nullptr;
    if (!a || !b)
        return CliExit::Refused;
    const auto differences = ListDifferences(a->Record, a->ChannelList, b->Record, b->ChannelList);
    for (const auto& d : differences)
        std::printf("%s: %s -> %s\n", d.field.c_str(), d.saved.c_str(), d.current.c_str());
    return differences.empty() ? CliExit::Ok : CliExit::Different;
}

}  // namespace

std::vector<CliVerb> fileVerbs()
{
    return {
        {"new", "new [--band 0|1|2] -o FILE.dat      the new document of this installation, saved", runNew},
        {"show", "show FILE.dat [--json]              every record of a data file", runShow},
        {"encode", "encode FILE.dat -o IMAGE            the 7424-byte memory image of a data file", runEncode},
        {"decode", "decode IMAGE --band 0|1|2 -o FILE.dat  a data file from a memory image read in that band",
         runDecode},
        {"diff", "diff A.dat B.dat                    the differences field by field (exit 1 when different)", runDiff},
    };
}
