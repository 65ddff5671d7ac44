#pragma once

#include <cstdint>
#include <string>

// Every caption and message is a number looked up in the current language
// file, in a section chosen by the thousands of the number. The numbers have
// names, Txt::<Name> from lang_text_ids.h. The file is parsed once and kept
// until the language changes or the file itself changes on disk (size or
// modification time), so an edited language file takes effect at the next lookup.
namespace LangTexts {

// The section that holds a text number ("OTHER" below 9000, "Msg" for 9000..9999, ...).
std::string sectionOf(std::int32_t number);

// Looks a number up in a given language file; missing file, section or key give "".
std::string lookup(const std::string& languageFilePath, std::int32_t number);

}  // namespace LangTexts

// The text of a number in the program's current language file.
std::string GetLangText(std::int32_t number);
