#pragma once

#include "core/base/notifier.h"

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

class Document;

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

// Writes a verb's output file whole (SaveFileBytes). A failure is told as a
// failed save of a data file is (the file, why, and for a link of another
// user that it was refused) and gives exit status 4.
int CliWriteOutput(const std::string& verb, const std::string& path, const std::vector<std::uint8_t>& bytes);

// A message of several lines as one line: line breaks become one space.
std::string OneLine(const std::string& text);

// True when output names the same file as input, also through links or as a
// second name of it (writing the one would destroy the other).
bool SameFile(const std::string& input, const std::string& output);

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

// Messages of the core kept, not printed: the caller says them in its one line.
class RecordingNotifier : public Notifier {
public:
    void message(const std::string& text, NoticeIcon, const std::string& = {}) override { m_texts.push_back(text); }
    NoticeAnswer ask(const std::string& text, NoticeButtons buttons, NoticeIcon, const std::string& = {}) override
    {
        m_texts.push_back(text);
        return buttons == NoticeButtons::YesNo ? NoticeAnswer::No : NoticeAnswer::Cancel;
    }
    // Everything said, as one line.
    std::string text() const;

private:
    std::vector<std::string> m_texts;
};

// Writing the output must never destroy an input: true, after saying so on
// stderr, when output names the input.
bool OutputIsInput(const char* verb, const std::string& input, const std::string& output);

// A data file opened with every check of the desktop program; nothing when it
// was refused (the reason is already on stderr).
std::unique_ptr<Document> OpenCheckedDataFile(const std::string& path);

// Saves a document that was read from a radio into the user's data folder,
// under a name made of the date and time; the path, or "" when that failed too.
std::string KeepReadData(Document& doc);

// Sets the program folder to the tool's own folder and loads the version
// list there, as the desktop program does at start.
void PrepareInstallation();

// The whole file when it can be read and is at most maxSize bytes long.
std::optional<std::vector<std::uint8_t>> ReadBinaryFile(const std::string& path, std::size_t maxSize);
