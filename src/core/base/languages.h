#pragma once

#include <cstdint>
#include <span>
#include <string>

// The languages the program speaks. Each is one language file beside
// english.ini; the number is what the setup file stores as "CurrentLanguage",
// so a language keeps its number for good (1 and 2 are what every installation
// has stored since the first version). Adding a language is adding its file
// and one line to the table in languages.cpp.
struct Language {
    std::int16_t id;
    const char* file;                // in the program's "language" folder
    const char* locale;              // system locale that starts in it on the first run:
                                     // a language ("de") or a language and country ("zh_CN"); "" for none
    const char* ownName;             // the language's name in the language itself (UTF-8)
    std::int32_t nameText;           // text naming it in the current language, 0 to show ownName
    const char* splash;              // the splash picture in the program folder
    const char* toolkitTranslation;  // the toolkit's translation of its own dialogs, "" for none
};

// Every language, ordered by number; English comes first and is the fallback.
std::span<const Language> Languages();

// The language with this number, or nullptr when this program does not know it
// (a language a newer installation added, for example).
const Language* FindLanguage(int id);

// The language a system locale name ("de_DE", "de_AT.UTF-8", "zh-CN", "C")
// starts in: an entry naming language and country must match both, an entry
// naming only a language matches every country of it. 1 (English) when none does.
std::int16_t LanguageIdForLocale(const std::string& localeName);
