#include "core/base/version_list.h"

#include "core/base/ini_file.h"
#include "core/base/lang_texts.h"
#include "core/base/paths.h"
#include "lang_text_ids.h"

#include <cctype>
#include <charconv>

namespace {

int readCount(const std::string& path, const char* key)
{
    const std::string text = IniFile::read(path, "Version", key);
    int n = 0;
    auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), n);
    if (ec != std::errc() || ptr != text.data() + text.size())
        return 0;
    return n;
}

}  // namespace

std::string CleanVersionText(const std::string& text)
{
    std::string t = text.substr(0, text.find('\0'));
    while (!t.empty() && t.back() == ' ')
        t.pop_back();
    return t;
}

bool IsVersionText(const std::string& text)
{
    const std::string t = CleanVersionText(text);
    if (t.size() != 4 || t[0] != 'V')
        return false;
    for (std::size_t i = 1; i < 4; ++i) {
        if (!std::isdigit(static_cast<unsigned char>(t[i])))
            return false;
    }
    return true;
}

std::string VersionDisplay(const std::string& version)
{
    const std::string t = CleanVersionText(version);
    if (t.size() < 4)
        return t;
    return t.substr(0, 2) + "." + t.substr(t.size() - 2);
}

VersionList& VersionList::instance()
{
    static VersionList list;
    return list;
}

void VersionList::setHandlers(std::vector<Handler> handlers)
{
    m_handlers = std::move(handlers);
}

void VersionList::load(const std::string& path)
{
    m_currentVersion = CleanVersionText(IniFile::read(path, "Version", "CurrentVersion"));
    m_programVersions.clear();
    m_handlers.clear();
    const int softCount = readCount(path, "SoftVersionCount");
    const int firmCount = readCount(path, "FirmVersionCount");
    if (softCount < 1 || firmCount < 1) {
        m_programVersions.push_back(OwnVersion);
        m_handlers.push_back({OwnVersion, OwnVersion});
        return;
    }
    for (int i = 0; i < softCount && i < MaxEntries; ++i) {
        const std::string v = CleanVersionText(IniFile::read(path, "Soft", "Version" + std::to_string(i)));
        if (IsVersionText(v))
            m_programVersions.push_back(v);
    }
    for (int i = 0; i < firmCount && i < MaxEntries; ++i) {
        const std::string e = CleanVersionText(IniFile::read(path, "Firm", "Firm" + std::to_string(i)));
        if (e.size() != 8)
            continue;
        Handler h{e.substr(0, 4), e.substr(4, 4)};
        if (IsVersionText(h.programVersion) && IsVersionText(h.dataVersion))
            m_handlers.push_back(h);
    }
}

bool VersionList::CanHandle(const std::string& own, const std::string& other) const
{
    const std::string o = CleanVersionText(own);
    const std::string d = CleanVersionText(other);
    for (const auto& h : m_handlers) {
        if (h.programVersion == o && h.dataVersion == d)
            return true;
    }
    return false;
}

std::string VersionList::FindHandler(const std::string& dataVersion) const
{
    const std::string d = CleanVersionText(dataVersion);
    for (const auto& h : m_handlers) {
        if (h.dataVersion == d)
            return h.programVersion;
    }
    return {};
}

std::string VersionMessage(const std::string& own, const std::string& other, int kind)
{
    std::string text = GetLangText(Txt::VersionQuestion);
    if (kind == 1)
        text += "\r\n" + GetLangText(Txt::VersionFileData) + " " + VersionDisplay(other);
    else if (kind == 0)
        text += "\r\n" + GetLangText(Txt::VersionRadioData) + " " + VersionDisplay(other);
    text += "\r\n" + GetLangText(Txt::VersionThisProgram) + " " + VersionDisplay(own);
    return text;
}

std::string HandlerProgramPath(const std::string& dataVersion, const std::string& configRoot,
                               const std::string& programName)
{
    const std::string p = VersionList::instance().FindHandler(dataVersion);
    if (p.empty())
        return {};
    return Paths::join(Paths::join(configRoot, p), programName);
}

bool IsSameModel(const std::string& a, const std::string& b)
{
    return a == b;
}

bool IsSameBand(int a, int b, int operationKind)
{
    return operationKind == 2 ? a == b : true;
}
