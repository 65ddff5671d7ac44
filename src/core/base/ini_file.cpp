#include "core/base/ini_file.h"

#include "core/base/file_save.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>

namespace {

const std::string Bom = "\xEF\xBB\xBF";

std::string trim(const std::string& s)
{
    const auto isSpace = [](unsigned char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    std::size_t b = 0;
    std::size_t e = s.size();
    while (b < e && isSpace(static_cast<unsigned char>(s[b])))
        ++b;
    while (e > b && isSpace(static_cast<unsigned char>(s[e - 1])))
        --e;
    return s.substr(b, e - b);
}

std::string lowerName(std::string name)
{
    for (auto& c : name)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return name;
}

bool sameName(const std::string& a, const std::string& b)
{
    return lowerName(a) == lowerName(b);
}

struct Lines {
    bool hadBom = false;
    bool exists = false;
    std::vector<std::string> lines;
};

Lines load(const std::string& path)
{
    Lines result;
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return result;
    result.exists = true;
    std::stringstream buffer;
    buffer << in.rdbuf();
    std::string text = buffer.str();
    if (text.compare(0, Bom.size(), Bom) == 0) {
        result.hadBom = true;
        text.erase(0, Bom.size());
    }
    std::string line;
    std::istringstream lines(text);
    while (std::getline(lines, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        result.lines.push_back(line);
    }
    return result;
}

// The section name of a "[name]" line, or false when the line is no header.
bool sectionHeader(const std::string& line, std::string& name)
{
    const std::string t = trim(line);
    if (t.size() < 2 || t.front() != '[')
        return false;
    const auto close = t.find(']');
    if (close == std::string::npos)
        return false;
    name = trim(t.substr(1, close - 1));
    return true;
}

// The key of a "key=value" line, or false when the line holds none.
bool keyLine(const std::string& line, std::string& key, std::string& value)
{
    const std::string t = trim(line);
    if (t.empty() || t.front() == ';' || t.front() == '#')
        return false;
    const auto eq = line.find('=');
    if (eq == std::string::npos)
        return false;
    key = trim(line.substr(0, eq));
    value = trim(line.substr(eq + 1));
    return !key.empty();
}

// Cuts a UTF-8 text to at most `limit` characters without splitting one.
std::string cutToCharacters(const std::string& s, std::size_t limit)
{
    std::size_t count = 0;
    for (std::size_t i = 0; i < s.size(); ++i) {
        const auto c = static_cast<unsigned char>(s[i]);
        if ((c & 0xC0) != 0x80) {
            if (count == limit)
                return s.substr(0, i);
            ++count;
        }
    }
    return s;
}

}  // namespace

namespace IniFile {

std::string Contents::value(const std::string& section, const std::string& key, const std::string& defaultValue) const
{
    const auto s = sections.find(lowerName(section));
    if (s == sections.end())
        return defaultValue;
    const auto k = s->second.find(lowerName(key));
    return k == s->second.end() ? defaultValue : k->second;
}

Contents readAll(const std::string& path, std::size_t limit)
{
    Contents contents;
    std::map<std::string, std::string>* section = nullptr;  // none before the first header
    for (const auto& line : load(path).lines) {
        std::string name;
        if (sectionHeader(line, name)) {
            section = &contents.sections[lowerName(name)];
            continue;
        }
        std::string k;
        std::string v;
        if (section && keyLine(line, k, v))
            section->emplace(lowerName(k), trim(cutToCharacters(v, limit)));
    }
    return contents;
}

std::string read(const std::string& path, const std::string& section, const std::string& key,
                 const std::string& defaultValue, std::size_t limit)
{
    return readAll(path, limit).value(section, key, defaultValue);
}

bool write(const std::string& path, const std::string& section, const std::string& key, const std::string& value)
{
    Lines file = load(path);
    auto& lines = file.lines;
    const std::string entry = key + "=" + value;

    bool inSection = false;
    bool sectionFound = false;
    std::size_t insertAt = lines.size();
    bool done = false;
    for (std::size_t i = 0; i < lines.size() && !done; ++i) {
        std::string name;
        if (sectionHeader(lines[i], name)) {
            if (inSection)
                break;  // end of our section: add the key at insertAt
            inSection = sameName(name, section);
            if (inSection) {
                sectionFound = true;
                insertAt = i + 1;
            }
            continue;
        }
        if (!inSection)
            continue;
        std::string k;
        std::string v;
        if (keyLine(lines[i], k, v) && sameName(k, key)) {
            lines[i] = entry;
            done = true;
        } else if (!trim(lines[i]).empty()) {
            insertAt = i + 1;
        }
    }
    if (!done) {
        if (sectionFound) {
            lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(insertAt), entry);
        } else {
            if (!lines.empty() && !trim(lines.back()).empty())
                lines.emplace_back();
            lines.push_back("[" + section + "]");
            lines.push_back(entry);
        }
    }

    std::error_code ec;
    const auto parent = std::filesystem::path(path).parent_path();
    if (!parent.empty())
        std::filesystem::create_directories(parent, ec);
    // Rewritten whole through a temporary file: a crash in the middle of the
    // write leaves the old file, never half of it.
    std::string text = file.hadBom ? Bom : std::string();
    for (const auto& line : lines)
        text += line + "\n";
    return WriteFileWhole(path, std::vector<std::uint8_t>(text.begin(), text.end()));
}

}  // namespace IniFile
