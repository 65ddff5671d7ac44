#include "core/base/languages.h"

#include "lang_text_ids.h"

#include <algorithm>
#include <array>

namespace {

// English and Chinese are listed by their texts, which every language file
// words with the language's own name in it ("Englisch (English)"), as the
// first two files always have; the others' own names are the same whatever
// language is shown, so they stand here.
constexpr std::array<Language, 7> Table{{
    {1, "english.ini", "", "English", Txt::LanguageEnglish, "StartE.jpg", ""},
    {2, "chinese.ini", "zh_CN", "中文", Txt::LanguageChinese, "StartC.jpg", "qtbase_zh_CN"},
    {3, "german.ini", "de", "Deutsch", 0, "StartE.jpg", "qtbase_de"},
    {4, "polish.ini", "pl", "Polski", 0, "StartE.jpg", "qtbase_pl"},
    {5, "italian.ini", "it", "Italiano", 0, "StartE.jpg", "qtbase_it"},
    {6, "french.ini", "fr", "Français", 0, "StartE.jpg", "qtbase_fr"},
    {7, "spanish.ini", "es", "Español", 0, "StartE.jpg", "qtbase_es"},
}};

// "de_AT.UTF-8@euro" and "de-AT" both give "de_AT".
std::string normalisedLocale(const std::string& name)
{
    std::string out = name.substr(0, name.find_first_of(".@"));
    std::replace(out.begin(), out.end(), '-', '_');
    return out;
}

}  // namespace

std::span<const Language> Languages()
{
    return Table;
}

const Language* FindLanguage(int id)
{
    const auto it = std::find_if(Table.begin(), Table.end(), [id](const Language& l) { return l.id == id; });
    return it == Table.end() ? nullptr : &*it;
}

std::int16_t LanguageIdForLocale(const std::string& localeName)
{
    const std::string locale = normalisedLocale(localeName);
    const std::string language = locale.substr(0, locale.find('_'));
    for (const Language& l : Table) {
        const std::string wanted = l.locale;
        if (wanted.empty())
            continue;
        if (wanted.find('_') != std::string::npos ? locale == wanted : language == wanted)
            return l.id;
    }
    return 1;
}
