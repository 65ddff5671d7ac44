#include "cli_support.h"

#include "app/app_state.h"
#include "app/paths.h"
#include "app/version_list.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <system_error>

namespace {

// A message of several lines as one line.
std::string oneLine(const std::string& text)
{
    std::string out;
    for (const char c : text) {
        if (c == '\r')
            continue;
        out += c == '\n' ? ' ' : c;
    }
    return out;
}

}  // namespace

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

int CliFail(const std::string& verb, const std::string& message, int status)
{
    std::fprintf(stderr, "brisko7-cli %s: %s\n", verb.c_str(), oneLine(message).c_str());
    return status;
}

void TerminalNotifier::message(const std::string& text, NoticeIcon, const std::string&)
{
    m_spoke = true;
    std::fprintf(stderr, "%s: %s\n", m_prefix.c_str(), oneLine(text).c_str());
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
