// The verbs that check a data file before it goes to a radio and exchange its
// channels with spreadsheets and other radio programs as CSV.
#include "cli_support.h"
#include "cli_verb.h"

#include "core/app/data_file.h"
#include "core/base/file_save.h"
#include "core/app/write_check.h"
#include "core/model/band_range.h"
#include "core/interchange/csv_export.h"
#include "core/interchange/csv_import.h"
#include "core/model/document.h"

#include <cstdio>
#include <fstream>
#include <memory>
#include <sstream>

namespace {

constexpr std::size_t MaxCsvSize = 16 * 1024 * 1024;
constexpr int CheckFoundSomething = 1;

int runCheck(const std::vector<std::string>& argv)
{
    std::string error;
    const auto args = ParseCliArgs(argv, {}, {}, error);
    if (!args)
        return CliFail("check", error, CliExit::Usage);
    if (args->positional.size() != 1)
        return CliFail("check", "usage: check FILE.dat", CliExit::Usage);
    PrepareInstallation();
    const auto doc = OpenCheckedDataFile(args->positional[0]);
    if (!doc)
        return CliExit::Refused;
    const auto findings = CheckDocument(*doc);
    for (const CheckFinding& f : findings)
        std::printf("%s\n", CheckFindingText(f).c_str());
    return findings.empty() ? CliExit::Ok : CheckFoundSomething;
}

int runExport(const std::vector<std::string>& argv)
{
    std::string error;
    const auto args = ParseCliArgs(argv, {"-o"}, {}, error);
    if (!args)
        return CliFail("export-csv", error, CliExit::Usage);
    if (args->positional.size() != 1 || !args->has("-o"))
        return CliFail("export-csv", "usage: export-csv FILE.dat -o OUT.csv", CliExit::Usage);
    const std::string& output = args->values.at("-o");
    if (OutputIsInput("export-csv", args->positional[0], output))
        return CliExit::Usage;
    PrepareInstallation();
    const auto doc = OpenCheckedDataFile(args->positional[0]);
    if (!doc)
        return CliExit::Refused;
    const std::string text = ExportCsv(*doc);
    return CliWriteOutput("export-csv", output, {text.begin(), text.end()});
}

std::optional<std::string> readText(const std::string& path)
{
    const auto bytes = ReadBinaryFile(path, MaxCsvSize);
    if (!bytes)
        return std::nullopt;
    return std::string(bytes->begin(), bytes->end());
}

int runImport(const std::vector<std::string>& argv)
{
    std::string error;
    const auto args = ParseCliArgs(argv, {"-o", "--group"}, {"--strict"}, error);
    if (!args)
        return CliFail("import-csv", error, CliExit::Usage);
    if (args->positional.size() != 2 || !args->has("-o"))
        return CliFail("import-csv", "usage: import-csv FILE.dat CHANNELS.csv -o OUT.dat [--group NAME] [--strict]",
                       CliExit::Usage);
    const std::string& data = args->positional[0];
    const std::string& csvPath = args->positional[1];
    const std::string& output = args->values.at("-o");
    if (OutputIsInput("import-csv", data, output) || OutputIsInput("import-csv", csvPath, output))
        return CliExit::Usage;
    PrepareInstallation();
    const auto doc = OpenCheckedDataFile(data);
    if (!doc)
        return CliExit::Refused;
    CsvImportOptions options;
    if (args->has("--group")) {
        options.group = args->values.at("--group");
        if (GroupByName(*doc, options.group) < 0)
            return CliFail("import-csv", "no group " + options.group + " in band " + BandModeName(doc->BandMode),
                           CliExit::Usage);
    }
    const auto text = readText(csvPath);
    if (!text)
        return CliFail("import-csv", csvPath + ": cannot be read", CliExit::Refused);
    const CsvImportSummary summary = ImportCsv(*doc, *text, options);
    const std::string report = CsvImportSummaryText(summary);
    if (!summary.accepted())
        return CliFail("import-csv", csvPath + ": " + report, CliExit::Refused);
    std::fprintf(stderr, "%s\n", report.c_str());
    if (args->flags.count("--strict") && !summary.clean())
        return CliFail("import-csv", "--strict: rows were changed or refused; nothing written", CliExit::Refused);
    if (summary.tookNothing())
        return CliFail("import-csv", csvPath + ": no row was imported; nothing written", CliExit::Refused);
    doc->DocFileName = output;
    TerminalNotifier notes("brisko7-cli: " + output);
    return SaveDocument(*doc, notes) ? CliExit::Ok : CliExit::Io;
}

}  // namespace

std::vector<CliVerb> interchangeVerbs()
{
    return {
        {"check", "check FILE.dat                      what would make the radio misbehave (exit 1 when found)",
         runCheck},
        {"export-csv", "export-csv FILE.dat -o OUT.csv     the channels as CSV for spreadsheets and radio programs",
         runExport},
        {"import-csv",
         "import-csv FILE.dat CHANNELS.csv -o OUT.dat [--group NAME] [--strict]   channels from CSV, saved", runImport},
    };
}
