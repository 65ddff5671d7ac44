#pragma once

#include <map>
#include <string>

// Initialisation files as the program's configuration uses them: sections in
// brackets, key=value lines, ';' comments. Section and key names match without
// regard to case; a missing file, section or key gives the default; values are
// trimmed of surrounding spaces and cut to a size limit. Writing one key keeps
// every other line of the file as it was. Text is UTF-8; a byte-order mark is
// accepted and kept.
namespace IniFile {

constexpr std::size_t SetupValueLimit = 511;  // setup file and version list
constexpr std::size_t TextValueLimit = 254;   // language texts

// Every value of a file, parsed once. Section and key names are kept in lower
// case; of a key given twice in a section the first counts, as read() finds it.
struct Contents {
    std::map<std::string, std::map<std::string, std::string>> sections;

    std::string value(const std::string& section, const std::string& key, const std::string& defaultValue = {}) const;
};

// A missing file gives no sections.
Contents readAll(const std::string& path, std::size_t limit = SetupValueLimit);

std::string read(const std::string& path, const std::string& section, const std::string& key,
                 const std::string& defaultValue = {}, std::size_t limit = SetupValueLimit);

// The file is replaced whole (WriteFileWhole). Returns false when it cannot
// be written.
bool write(const std::string& path, const std::string& section, const std::string& key, const std::string& value);

}  // namespace IniFile
