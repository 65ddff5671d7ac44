#include "core/base/lang_texts.h"

#include "core/base/app_state.h"
#include "core/base/ini_file.h"

#include <chrono>
#include <filesystem>
#include <mutex>

namespace {

// What tells a language file on disk apart from the one parsed before.
struct FileStamp {
    std::string path;
    bool exists = false;
    std::uintmax_t size = 0;
    std::filesystem::file_time_type modified{};

    bool operator==(const FileStamp&) const = default;
};

FileStamp stampOf(const std::string& path)
{
    FileStamp stamp{path};
    std::error_code ec;
    stamp.size = std::filesystem::file_size(path, ec);
    stamp.exists = !ec;
    if (stamp.exists)
        stamp.modified = std::filesystem::last_write_time(path, ec);
    return stamp;
}

// A file written moments ago may be written again within the same tick of the
// file system's clock, keeping its size and time: such a file is parsed anew.
bool mayStillChange(const FileStamp& stamp)
{
    using namespace std::chrono_literals;
    return stamp.exists && std::filesystem::file_time_type::clock::now() - stamp.modified < 2s;
}

// The one language file in use, parsed once; lookups may come from any thread.
class ParsedLanguageFile {
public:
    std::string value(const std::string& path, const std::string& section, const std::string& key)
    {
        const std::lock_guard lock(m_mutex);
        FileStamp stamp = stampOf(path);
        if (!m_parsed || !(stamp == m_stamp) || mayStillChange(stamp)) {
            m_contents = IniFile::readAll(path, IniFile::TextValueLimit);
            m_stamp = std::move(stamp);
            m_parsed = true;
        }
        return m_contents.value(section, key);
    }

private:
    std::mutex m_mutex;
    bool m_parsed = false;
    FileStamp m_stamp;
    IniFile::Contents m_contents;
};

ParsedLanguageFile& parsedLanguageFile()
{
    static ParsedLanguageFile file;
    return file;
}

}  // namespace

namespace LangTexts {

std::string sectionOf(std::int32_t number)
{
    static const char* const sections[] = {
        "Msg",    "Menu",    "ToolBar",  "Main",   "Model",    "ChannelInfo", "ChannelEdit", "Option",
        "Radio",  "DTMF",    "TestFre",  "EMG",    "Local",    "Port",        "Lang",        "About",
        "KeySet", "ScanSet", "AlertSet", "CHEdit", "TONETIPS", "GroupName",   "ResetMode",
    };
    if (number < 9000)
        return "OTHER";
    if (number >= 32000)
        return "Others";
    return sections[(number - 9000) / 1000];
}

std::string lookup(const std::string& languageFilePath, std::int32_t number)
{
    return parsedLanguageFile().value(languageFilePath, sectionOf(number), std::to_string(number));
}

}  // namespace LangTexts

std::string GetLangText(std::int32_t number)
{
    return LangTexts::lookup(AppState::instance().languageFilePath(), number);
}
