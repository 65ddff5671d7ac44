#pragma once

#include <string>

// Initialisation files as the program's configuration uses them: sections in
// brackets, key=value lines, ';' comments. Section and key names match without
// regard to case; a missing file, section or key gives the default; values are
// trimmed of surrounding spaces and cut to a size limit. Writing one key keeps
// every other line of the file as it was. Text is UTF-8; a byte-order mark is
// accepted and kept.
namespace IniFile {

constexpr std::size_t SetupValueLimit = 511;   // setup file and version list
constexpr std::size_t TextValueLimit = 254;    // language texts

std::string read(const std::string& path, const std::string& section, const std::string& key,
                 const std::string& defaultValue = {}, std::size_t limit = SetupValueLimit);

// The file is replaced whole (WriteFileWhole). Returns false when it cannot
// be written.
bool write(const std::string& path, const std::string& section, const std::string& key,
           const std::string& value);

}  // namespace IniFile
