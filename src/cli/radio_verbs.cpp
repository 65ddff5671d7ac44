// The verbs of brisko7-cli that talk to a radio: read, write, info. They run
// the same transfer engine as the desktop program on the serial adapter, with
// a QCoreApplication event loop, and never ask the start questions. Other
// questions are asked on the terminal when there is one; without one the
// command ends with a non-zero exit status. A failure is told in one line on
// stderr; --verbose prints every message of the transfer as it comes.
#include "cli_host.h"
#include "cli_support.h"
#include "cli_verb.h"

#include "serial/port_directory.h"

#include "core/app/data_file.h"
#include "core/base/lang_texts.h"
#include "core/app/read_backup.h"
#include "core/base/text_fill.h"
#include "core/app/write_check.h"
#include "lang_text_ids.h"
#include "core/link/link_error.h"
#include "core/link/transfer_engine.h"
#include "core/model/document.h"

#include <QCoreApplication>

#include <cstdio>
#include <ctime>
#include <string>

namespace {

// ---------------------------------------------------------------- the verbs

struct RadioArgs {
    std::string port;
    std::string password;
    std::string output;
    std::string input;
    bool passwordGiven = false;
    bool verbose = false;
    bool noBackup = false;  // read: keep no backup copy of what was read
    bool strict = false;    // write: refuse a file the check finds something in
};

// Parses "--port DEVICE", "--password P", "-o FILE", "--verbose", "--no-backup"
// (read), "--strict" (write) and at most one plain argument. Returns false with
// a message for anything else.
bool parseArgs(const std::vector<std::string>& args, bool wantsOutput, bool wantsInput, RadioArgs& out)
{
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        const bool hasValue = i + 1 < args.size();
        if (a == "--port" && hasValue) {
            out.port = args[++i];
        } else if (a == "--password" && hasValue) {
            out.password = args[++i];
            out.passwordGiven = true;
        } else if (a == "--verbose") {
            out.verbose = true;
        } else if (a == "--no-backup" && wantsOutput) {
            out.noBackup = true;
        } else if (a == "--strict" && wantsInput) {
            out.strict = true;
        } else if ((a == "-o" || a == "--output") && hasValue && wantsOutput) {
            out.output = args[++i];
        } else if (!a.empty() && a[0] != '-' && wantsInput && out.input.empty()) {
            out.input = a;
        } else {
            std::fprintf(stderr, "brisko7-cli: unexpected argument '%s'\n", a.c_str());
            return false;
        }
    }
    if (out.port.empty()) {
        std::fprintf(stderr, "brisko7-cli: --port DEVICE is required\n");
        return false;
    }
    if ((wantsOutput && out.output.empty()) || (wantsInput && out.input.empty())) {
        std::fprintf(stderr, "brisko7-cli: a data file is required\n");
        return false;
    }
    return true;
}

// A port number 1..16 stands for the device the port directory gives it.
QString deviceOf(const std::string& port)
{
    if (!port.empty() && port.size() <= 2 && port.find_first_not_of("0123456789") == std::string::npos) {
        PortDirectory directory;
        directory.refresh();
        return QString::fromStdString(directory.devicePath(std::stoi(port)));
    }
    return QString::fromStdString(port);
}

int finish(const CliHost& host, const char* what)
{
    if (host.outcome().ok()) {
        for (const std::string& note : host.notes())
            std::fprintf(stderr, "brisko7-cli: %s\n", note.c_str());
        return LinkExit::Ok;
    }
    std::fprintf(stderr, "brisko7-cli: %s\n", host.failureLine(what).c_str());
    return LinkExitStatus(host.outcome().error);
}

// A read that cannot be saved where asked must not lose the radio's data:
// it is kept in the user's data folder instead, and the command says where.
int saveRead(Document& doc, const std::string& output)
{
    RecordingNotifier quiet;
    doc.DocFileName = output;
    if (SaveDocument(doc, quiet))
        return LinkExit::Ok;
    const std::string kept = KeepReadData(doc);
    if (kept.empty())
        return CliFail("read", output + ": cannot be written, and the data read could not be kept elsewhere either",
                       CliExit::Io);
    return CliFail("read", output + ": cannot be written; the data read was saved to " + kept + " instead",
                   CliExit::Io);
}

// Every completed read leaves a copy of what the radio held in the backup
// folder; a copy that cannot be saved is told once and the read goes on.
// The copy's path; "" when it failed.
std::string keepBackup(const Document& doc)
{
    const BackupResult backup = SaveReadBackup(doc, BackupFolder(), std::time(nullptr));
    if (!backup.ok())
        std::fprintf(stderr, "brisko7-cli: %s\n", FillText(GetLangText(Txt::BackupFailed), {backup.reason}).c_str());
    return backup.path;
}

// The check before a write: each finding on stderr; with --strict a finding
// stops the write before the port is opened.
bool passesCheck(const Document& doc, bool strict)
{
    const auto findings = CheckDocument(doc);
    for (const CheckFinding& f : findings)
        std::fprintf(stderr, "brisko7-cli write: %s\n", CheckFindingText(f).c_str());
    return findings.empty() || !strict;
}

int runRead(const std::vector<std::string>& args)
{
    RadioArgs a;
    if (!parseArgs(args, true, false, a))
        return CliExit::Usage;
    PrepareInstallation();
    Document doc;
    InitDocument(doc);
    CliHost host(doc, deviceOf(a.port), a.verbose);
    host.setPassword(a.password, a.passwordGiven);
    host.run(host.engine().startRead());
    if (!host.outcome().ok() || host.outcome().kind != TransferKind::ReadImage)
        return finish(host, "read");
    const std::string backup = a.noBackup ? std::string() : keepBackup(doc);
    if (const int saved = saveRead(doc, a.output); saved != LinkExit::Ok)
        return saved;
    finish(host, "read");
    std::fprintf(stderr, "brisko7-cli: %d channels read, saved to %s%s\n", doc.ChannelCount, a.output.c_str(),
                 backup.empty() ? "" : (" (backup: " + backup + ")").c_str());
    return LinkExit::Ok;
}

int runWrite(const std::vector<std::string>& args)
{
    RadioArgs a;
    if (!parseArgs(args, false, true, a))
        return CliExit::Usage;
    PrepareInstallation();
    Document doc;
    InitDocument(doc);
    RecordingNotifier quiet;
    const OpenResult opened = OpenDocument(doc, a.input, quiet);
    if (opened.outcome == OpenOutcome::HandOver)
        return CliFail("write",
                       a.input + " holds data version " + opened.handOverVersion
                           + "; use the program version that handles it",
                       CliExit::Refused);
    if (opened.outcome != OpenOutcome::Opened)
        return CliFail("write", a.input + ": " + quiet.text(), CliExit::Refused);
    if (!passesCheck(doc, a.strict))
        return CliFail("write", a.input + ": --strict: the check found the points above; nothing written",
                       CliExit::Refused);
    CliHost host(doc, deviceOf(a.port), a.verbose);
    host.setPassword(a.password, a.passwordGiven);
    host.run(host.engine().startWrite());
    const int status = finish(host, "write");
    if (status == LinkExit::Ok)
        std::fprintf(stderr, "brisko7-cli: %s written to the radio\n", a.input.c_str());
    return status;
}

void printField(const char* name, const std::string& value)
{
    std::string v = value.substr(0, value.find('\0'));
    while (!v.empty() && v.back() == ' ')
        v.pop_back();
    std::printf("%s: %s\n", name, v.c_str());
}

void printInfo(const RadioInfoRecord& r)
{
    static const char* const BandNames[] = {"CB", "HF", "HAM"};
    const bool known = r.InfoBand >= 0 && r.InfoBand <= 2;
    std::printf("InfoBand: %d (%s)\n", r.InfoBand, known ? BandNames[r.InfoBand] : "unknown");
    printField("InfoModel", r.InfoModel);
    printField("VersionText", r.VersionText);
    printField("SerialNo", r.SerialNo);
    printField("FactoryDate", r.FactoryDate);
    printField("RepairDate", r.RepairDate);
    printField("RepairReason", r.RepairReason);
    printField("SalesArea", r.SalesArea);
    printField("BatchNo", r.BatchNo);
    printField("CustomerCode", r.CustomerCode);
    printField("DealerCode", r.DealerCode);
    printField("StockInTime", r.StockInTime);
    printField("SalesTime", r.SalesTime);
    printField("Handler", r.Handler);
}

int runInfo(const std::vector<std::string>& args)
{
    RadioArgs a;
    if (!parseArgs(args, false, false, a))
        return CliExit::Usage;
    PrepareInstallation();
    Document doc;
    InitDocument(doc);
    CliHost host(doc, deviceOf(a.port), a.verbose);
    host.run(host.engine().startInfoRead());
    const int status = finish(host, "info");
    if (status == LinkExit::Ok)
        printInfo(doc.RadioInfo);
    return status;
}

}  // namespace

std::vector<CliVerb> radioVerbs()
{
    return {
        {"read",
         "read --port DEVICE -o FILE.dat [--password P] [--verbose] [--no-backup]   read the radio and save its "
         "data (and a backup copy)",
         runRead},
        {"write",
         "write FILE.dat --port DEVICE [--password P] [--verbose] [--strict]   check a data file, then write it "
         "to the radio",
         runWrite},
        {"info", "info --port DEVICE [--verbose]                              print the radio information record",
         runInfo},
    };
}
