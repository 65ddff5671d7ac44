#pragma once

#include "app/notifier.h"

#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

// Shared pieces of the command-line verbs: argument parsing, messages on the
// terminal and the installation the tool runs from.

struct CliArgs {
    std::vector<std::string> positional;
    std::map<std::string, std::string> values;  // "-o" -> "out.dat"
    std::set<std::string> flags;                // "--json"

    bool has(const std::string& option) const { return values.count(option) != 0; }
};

// Splits arguments into positional ones, options that take a value and flags.
// Anything else starting with "-" is an error (the message is returned).
std::optional<CliArgs> ParseCliArgs(const std::vector<std::string>& args, const std::set<std::string>& valueOptions,
                                    const std::set<std::string>& flagOptions, std::string& error);

// Prints "brisko7-cli <verb>: <message>" on stderr and returns the exit status.
int CliFail(const std::string& verb, const std::string& message, int status);

// Messages of the core as one line on stderr, prefixed with what they are
// about; questions are declined (No or Cancel): the hand-over to another
// program version is the desktop program's, not the command line's.
class TerminalNotifier : public Notifier {
public:
    explicit TerminalNotifier(std::string prefix) : m_prefix(std::move(prefix)) {}
    void message(const std::string& text, NoticeIcon icon, const std::string& title = {}) override;
    NoticeAnswer ask(const std::string& text, NoticeButtons buttons, NoticeIcon icon,
                     const std::string& title = {}) override;
    bool spoke() const { return m_spoke; }

private:
    std::string m_prefix;
    bool m_spoke = false;
};

// Sets the program folder to the tool's own folder and loads the version
// list there, as the desktop program does at start.
void PrepareInstallation();

// The whole file when it can be read and is at most maxSize bytes long.
std::optional<std::vector<std::uint8_t>> ReadBinaryFile(const std::string& path, std::size_t maxSize);
