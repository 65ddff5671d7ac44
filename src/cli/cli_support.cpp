#include "cli_support.h"
#include "cli_verb.h"

#include "core/base/app_state.h"
#include "core/app/data_file.h"
#include "core/base/paths.h"
#include "core/base/version_list.h"
#include "core/model/band_range.h"
#include "core/model/document.h"

#include <cstdio>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <system_error>

std::optional<CliArgs> ParseCliArgs(const std::vector<std::string>& args, const std::set<std::string>& valueOptions,
                                    const std::set<std::string>& flagOptions, std::string& error)
{
    CliArgs parsed;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (valueOptions.count(a)) {
            if (i + 1 >= args.size()) {
                error = "option " + a + " needs a value";
                return std::nullopt;
            }
            parsed.values[a] = args[++i];
            if (a == "-o" && parsed.values[a].empty()) {
                error = "option -o needs a file name";
                return std::nullopt;
            }
        } else if (flagOptions.count(a)) {
            parsed.flags.insert(a);
        } else if (a.size() > 1 && a[0] == '-') {
            error = "unknown option " + a;
            return std::nullopt;
        } else {
            parsed.positional.push_back(a);
        }
    }
    return parsed;
}

int CliWriteOutput(const std::string& verb, const std::string& path, const std::vector<std::uint8_t>& bytes)
{
    const FileSaveResult saved = SaveFileBytes(path, bytes);
    if (saved.ok())
        return CliExit::Ok;
    return CliFail(verb, SaveFailureText(path, saved), CliExit::Io);
}

int CliFail(const std::string& verb, const std::string& message, int status)
{
    std::fprintf(stderr, "brisko7-cli %s: %s\n", verb.c_str(), OneLine(message).c_str());
    return status;
}

std::string OneLine(const std::string& text)
{
    std::string out;
    bool lineBreak = false;
    for (const char c : text) {
        if (c == '\r' || c == '\n') {
            lineBreak = true;
            continue;
        }
        if (lineBreak && !out.empty() && out.back() != ' ')
            out += ' ';
        lineBreak = false;
        out += c;
    }
    return out;
}

bool SameFile(const std::string& input, const std::string& output)
{
    std::error_code ec;
    return std::filesystem::equivalent(input, output, ec) && !ec;
}

bool OutputIsInput(const char* verb, const std::string& input, const std::string& output)
{
    if (!SameFile(input, output))
        return false;
    CliFail(verb, "-o " + output + " is the input " + input + "; choose another output file", CliExit::Usage);
    return true;
}

std::unique_ptr<Document> OpenCheckedDataFile(const std::string& path)
{
    auto doc = std::make_unique<Document>();
    ApplyBandMode(*doc, 0);
    InitDocument(*doc);
    TerminalNotifier notes("brisko7-cli: " + path);
    if (OpenDocument(*doc, path, notes).outcome != OpenOutcome::Opened) {
        if (!notes.spoke())
            std::fprintf(stderr, "brisko7-cli: %s: refused\n", path.c_str());
        return nullptr;
    }
    return doc;
}

std::string RecordingNotifier::text() const
{
    std::string all;
    for (const std::string& t : m_texts)
        all += (all.empty() ? "" : "; ") + OneLine(t);
    return all;
}

std::string KeepReadData(Document& doc)
{
    const std::string folder = Paths::userDataFolder();
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    char stamp[32] = {};
    const std::time_t now = std::time(nullptr);
    std::strftime(stamp, sizeof stamp, "read-%Y%m%d-%H%M%S.dat", std::localtime(&now));
    doc.DocFileName = Paths::join(folder, stamp);
    RecordingNotifier quiet;
    return SaveDocument(doc, quiet) ? doc.DocFileName : std::string();
}

void TerminalNotifier::message(const std::string& text, NoticeIcon, const std::string&)
{
    m_spoke = true;
    std::fprintf(stderr, "%s: %s\n", m_prefix.c_str(), OneLine(text).c_str());
}

NoticeAnswer TerminalNotifier::ask(const std::string& text, NoticeButtons buttons, NoticeIcon icon,
                                   const std::string& title)
{
    message(text, icon, title);
    return buttons == NoticeButtons::YesNo ? NoticeAnswer::No : NoticeAnswer::Cancel;
}

void PrepareInstallation()
{
    AppState& app = AppState::instance();
    app.setProgramFolder(Paths::executableFolder());
    VersionList::instance().load(app.versionListPath());
}

std::optional<std::vector<std::uint8_t>> ReadBinaryFile(const std::string& path, std::size_t maxSize)
{
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec))
        return std::nullopt;
    const auto size = std::filesystem::file_size(path, ec);
    if (ec || size > maxSize)
        return std::nullopt;
    std::ifstream in(path, std::ios::binary);
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(size));
    in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!in && !bytes.empty())
        return std::nullopt;
    return bytes;
}
