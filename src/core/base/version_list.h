#pragma once

#include <string>
#include <utility>
#include <vector>

class Notifier;

// Which installed program version handles which data version. Several
// versions live side by side under one configuration root; the shared list
// there ("Version.ini") names, for each program version, the data versions it
// takes, so that a file or radio of another data version can be handed over.
class VersionList {
public:
    // This program's own data version, written into every file it saves.
    static constexpr const char* OwnVersion = "V100";
    // At most this many entries are taken from the list, whatever it claims.
    static constexpr int MaxEntries = 100;

    struct Handler {
        std::string programVersion;
        std::string dataVersion;
    };

    static VersionList& instance();

    // Reads the list; a missing file, absent counts or counts below 1 give a
    // list holding only this program's own entry. Entries that are not
    // well-formed version texts are ignored.
    void load(const std::string& versionIniPath);
    void setHandlers(std::vector<Handler> handlers);

    const std::string& currentVersion() const { return m_currentVersion; }
    const std::vector<std::string>& programVersions() const { return m_programVersions; }
    const std::vector<Handler>& handlers() const { return m_handlers; }

    // True when some entry pairs the own program version with the other data version.
    bool CanHandle(const std::string& own, const std::string& other) const;
    // The program version of the first entry for the data version; "" when none.
    std::string FindHandler(const std::string& dataVersion) const;

private:
    std::string m_currentVersion;
    std::vector<std::string> m_programVersions;
    std::vector<Handler> m_handlers;
};

// A version text is "V" followed by three digits, after cutting at the first
// NUL and removing trailing spaces.
bool IsVersionText(const std::string& text);
// "V100" shows as "V1.00".
std::string VersionDisplay(const std::string& version);
// The cut and trimmed form of a version text.
std::string CleanVersionText(const std::string& text);

// The question put when a file (kind 1) or a radio (kind 0) carries a data
// version that this program does not handle.
std::string VersionMessage(const std::string& own, const std::string& other, int kind);

// The path of the sibling program that handles a data version:
// <configRoot>/<programVersion>/<programName>; "" when no entry names it.
std::string HandlerProgramPath(const std::string& dataVersion, const std::string& configRoot,
                               const std::string& programName);

bool IsSameModel(const std::string& a, const std::string& b);
bool IsSameBand(int a, int b, int operationKind);
