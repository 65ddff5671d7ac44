#include "app/lang_texts.h"

#include "app/app_state.h"
#include "app/ini_file.h"

namespace LangTexts {

std::string sectionOf(std::int32_t number)
{
    static const char* const sections[] = {
        "Msg",       "Menu",    "ToolBar", "Main",     "Model",  "ChannelInfo", "ChannelEdit",
        "Option",    "Radio",   "DTMF",    "TestFre",  "EMG",    "Local",       "Port",
        "Lang",      "About",   "KeySet",  "ScanSet",  "AlertSet", "CHEdit",    "TONETIPS",
        "GroupName", "ResetMode",
    };
    if (number < 9000)
        return "OTHER";
    if (number >= 32000)
        return "Others";
    return sections[(number - 9000) / 1000];
}

std::string lookup(const std::string& languageFilePath, std::int32_t number)
{
    return IniFile::read(languageFilePath, sectionOf(number), std::to_string(number), {},
                         IniFile::TextValueLimit);
}

}  // namespace LangTexts

std::string GetLangText(std::int32_t number)
{
    return LangTexts::lookup(AppState::instance().languageFilePath(), number);
}
