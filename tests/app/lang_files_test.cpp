#include "core/base/lang_texts.h"
#include "core/base/languages.h"
#include "test_support.h"
#include "../support/shipped_languages.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

// The shipped language files must give every text number the program looks up
// a value, in the section the lookup reads, short enough to survive the lookup
// uncut, with the placeholders the program fills in; the checked-in list
// data/language/text_numbers.txt holds every file against the numbers the code
// looks up by name (lang_text_ids_test.cpp).

namespace {

namespace fs = std::filesystem;

const fs::path SourceDir = BRISKO7_SOURCE_DIR;
const fs::path LanguageDir = SourceDir / "data" / "language";
constexpr std::size_t TextLimit = 254;

using Problems = std::vector<std::string>;

std::string joined(const Problems& problems)
{
    std::string text;
    for (const auto& p : problems)
        text += "\n  " + p;
    return text;
}

std::string readAll(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream buffer;
    buffer << in.rdbuf();
    return buffer.str();
}

std::string trim(const std::string& s)
{
    const auto b = s.find_first_not_of(" \t\r\n");
    if (b == std::string::npos)
        return {};
    return s.substr(b, s.find_last_not_of(" \t\r\n") - b + 1);
}

bool isNumber(const std::string& s)
{
    return !s.empty() && s.size() <= 9
        && std::all_of(s.begin(), s.end(), [](unsigned char c) { return std::isdigit(c); });
}

// Number of UTF-8 characters, or -1 when the bytes are no valid UTF-8.
long utf8Length(const std::string& s)
{
    long count = 0;
    for (std::size_t i = 0; i < s.size(); ++count) {
        const auto c = static_cast<unsigned char>(s[i]);
        const std::size_t n = c < 0x80 ? 1 : (c >> 5) == 0x6 ? 2 : (c >> 4) == 0xE ? 3 : (c >> 3) == 0x1E ? 4 : 0;
        if (n == 0 || i + n > s.size())
            return -1;
        for (std::size_t k = 1; k < n; ++k)
            if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80)
                return -1;
        i += n;
    }
    return count;
}

// --- the list of text numbers -------------------------------------------------

struct NumberList {
    std::set<int> numbers;
    Problems problems;
};

// Lines "<number> <where it is used>", ascending; "#" lines are comments.
NumberList readNumberList(const fs::path& path)
{
    NumberList list;
    std::istringstream lines(readAll(path));
    std::string line;
    int lineNo = 0;
    int previous = -1;
    while (std::getline(lines, line)) {
        ++lineNo;
        const std::string t = trim(line);
        if (t.empty() || t.front() == '#')
            continue;
        const auto space = t.find(' ');
        const std::string key = t.substr(0, space);
        if (!isNumber(key) || space == std::string::npos || trim(t.substr(space)).empty()) {
            list.problems.push_back("line " + std::to_string(lineNo) + ": not \"<number> <use>\": " + t);
            continue;
        }
        const int number = std::stoi(key);
        if (number <= previous)
            list.problems.push_back("line " + std::to_string(lineNo) + ": " + key
                                    + " is not above the number before it");
        previous = number;
        list.numbers.insert(number);
    }
    return list;
}

// --- the language files, read line by line ------------------------------------

struct LanguageFile {
    bool hasBom = false;
    std::map<int, std::string> values;  // raw values, trimmed, not cut
    std::vector<std::string> sections;  // in the order of the file
    Problems problems;                  // placement, length and encoding faults
};

LanguageFile scanLanguageFile(const fs::path& path)
{
    LanguageFile file;
    std::string text = readAll(path);
    file.hasBom = text.rfind("\xEF\xBB\xBF", 0) == 0;
    if (file.hasBom)
        text.erase(0, 3);
    std::istringstream lines(text);
    std::string line;
    std::string section;
    bool inSection = false;
    int lineNo = 0;
    while (std::getline(lines, line)) {
        ++lineNo;
        const std::string at = "line " + std::to_string(lineNo) + ": ";
        const std::string t = trim(line);
        if (t.empty() || t.front() == ';' || t.front() == '#')
            continue;
        if (t.front() == '[' && t.find(']') != std::string::npos) {
            section = trim(t.substr(1, t.find(']') - 1));
            inSection = true;
            file.sections.push_back(section);
            continue;
        }
        const auto eq = t.find('=');
        const std::string key = eq == std::string::npos ? t : trim(t.substr(0, eq));
        if (eq == std::string::npos || !isNumber(key)) {
            file.problems.push_back(at + "not \"<number>=<text>\": " + t);
            continue;
        }
        const int number = std::stoi(key);
        const std::string value = trim(t.substr(eq + 1));
        if (!inSection || section != LangTexts::sectionOf(number))
            file.problems.push_back(at + key + " stands in [" + section + "], the lookup reads ["
                                    + LangTexts::sectionOf(number) + "]");
        if (file.values.count(number))
            file.problems.push_back(at + key + " is given twice");
        // A message box breaks its lines itself; a break in the file ends the value.
        if (value.find("\\n") != std::string::npos
            || std::any_of(value.begin(), value.end(), [](unsigned char c) { return c < 0x20 || c == 0x7F; }))
            file.problems.push_back(at + key + " holds a line break or control character");
        const long length = utf8Length(value);
        if (length < 0)
            file.problems.push_back(at + key + " is not valid UTF-8");
        else if (static_cast<std::size_t>(length) > TextLimit)
            file.problems.push_back(at + key + " has " + std::to_string(length) + " characters, more than "
                                    + std::to_string(TextLimit));
        file.values.emplace(number, value);
    }
    return file;
}

// Numbers of the list that the program's own lookup answers with an empty text.
Problems missingTexts(const fs::path& path, const std::set<int>& numbers)
{
    Problems problems;
    for (const int n : numbers)
        if (LangTexts::lookup(path.string(), n).empty())
            problems.push_back(std::to_string(n) + " has no text");
    return problems;
}

Problems unlistedKeys(const LanguageFile& file, const std::set<int>& numbers)
{
    Problems problems;
    for (const auto& [n, value] : file.values)
        if (!numbers.count(n))
            problems.push_back(std::to_string(n) + " is not in text_numbers.txt");
    return problems;
}

// Every menu caption has one access key ("Save &As..." has 'a'; "&&" is a
// plain "&"), unique among the entries of its menu (numbers sharing the
// hundreds) and among the menu titles (the xx00 numbers).
Problems menuAccessKeyProblems(const LanguageFile& file)
{
    Problems problems;
    std::map<int, std::map<char, int>> seen;  // menu (-1 for the titles) -> key -> number
    for (const auto& [n, caption] : file.values) {
        if (n < 10000 || n > 10999)
            continue;
        std::string keys;
        for (std::size_t i = 0; i + 1 < caption.size(); ++i)
            if (caption[i] == '&' && caption[++i] != '&')
                keys += static_cast<char>(std::tolower(static_cast<unsigned char>(caption[i])));
        if (keys.size() != 1) {
            problems.push_back(std::to_string(n) + " \"" + caption + "\" has " + std::to_string(keys.size())
                               + " access keys");
            continue;
        }
        const auto [it, fresh] = seen[n % 100 == 0 ? -1 : n / 100].emplace(keys[0], n);
        if (!fresh)
            problems.push_back(std::to_string(n) + " and " + std::to_string(it->second) + " share the access key '"
                               + keys + "'");
    }
    return problems;
}

// The placeholders "%1".."%9" of a text, sorted, each as often as it occurs.
std::multiset<std::string> placeholdersOf(const std::string& text)
{
    static const std::regex placeholder("%[1-9]");
    std::multiset<std::string> found;
    for (auto it = std::sregex_iterator(text.begin(), text.end(), placeholder); it != std::sregex_iterator(); ++it)
        found.insert(it->str());
    return found;
}

// Texts whose placeholders differ from those of the same number in the reference.
Problems placeholderProblems(const LanguageFile& file, const LanguageFile& reference)
{
    Problems problems;
    for (const auto& [n, value] : reference.values) {
        const auto it = file.values.find(n);
        if (it != file.values.end() && placeholdersOf(it->second) != placeholdersOf(value))
            problems.push_back(std::to_string(n) + " \"" + it->second + "\" has other placeholders than \"" + value
                               + "\"");
    }
    return problems;
}

const std::set<int>& listedNumbers()
{
    static const NumberList list = readNumberList(LanguageDir / "text_numbers.txt");
    return list.numbers;
}

// --- the checked-in files -------------------------------------------------------

TEST(TextNumberList, IsWellFormedAndAscending)
{
    const NumberList list = readNumberList(LanguageDir / "text_numbers.txt");
    EXPECT_TRUE(list.problems.empty()) << joined(list.problems);
    EXPECT_FALSE(list.numbers.empty());
}

class ShippedLanguageFile : public ::testing::TestWithParam<std::string> {
protected:
    fs::path path() const { return LanguageDir / GetParam(); }
};

TEST_P(ShippedLanguageFile, HasATextForEveryListedNumberAndNoOther)
{
    ASSERT_TRUE(fs::exists(path())) << path();
    const Problems missing = missingTexts(path(), listedNumbers());
    EXPECT_TRUE(missing.empty()) << GetParam() << joined(missing);
    const Problems extra = unlistedKeys(scanLanguageFile(path()), listedNumbers());
    EXPECT_TRUE(extra.empty()) << GetParam() << joined(extra);
}

TEST_P(ShippedLanguageFile, FilesEveryKeyInItsSectionOnceAndWithinTheLengthLimit)
{
    ASSERT_TRUE(fs::exists(path())) << path();
    const LanguageFile file = scanLanguageFile(path());
    EXPECT_FALSE(file.hasBom) << GetParam();
    EXPECT_TRUE(file.problems.empty()) << GetParam() << joined(file.problems);
}

TEST_P(ShippedLanguageFile, GivesEachMenuEntryOneUniqueAccessKey)
{
    const Problems problems = menuAccessKeyProblems(scanLanguageFile(path()));
    EXPECT_TRUE(problems.empty()) << GetParam() << joined(problems);
}

TEST_P(ShippedLanguageFile, HasTheSectionsAndPlaceholdersOfTheEnglishFile)
{
    const LanguageFile english = scanLanguageFile(LanguageDir / "english.ini");
    const LanguageFile file = scanLanguageFile(path());
    EXPECT_EQ(file.sections, english.sections) << GetParam();
    const Problems problems = placeholderProblems(file, english);
    EXPECT_TRUE(problems.empty()) << GetParam() << joined(problems);
}

// The language dialog shows English and Chinese by these texts: each file
// names them so that their own names stand in it ("Englisch (English)").
TEST_P(ShippedLanguageFile, NamesEnglishAndChineseWithTheirOwnNames)
{
    LanguageFile file = scanLanguageFile(path());
    for (const Language* language : {FindLanguage(1), FindLanguage(2)})
        EXPECT_NE(file.values[language->nameText].find(language->ownName), std::string::npos)
            << GetParam() << ": " << language->nameText << "=" << file.values[language->nameText];
}

TEST_P(ShippedLanguageFile, IsALanguageOfTheLanguageTable)
{
    const auto languages = Languages();
    EXPECT_TRUE(
        std::any_of(languages.begin(), languages.end(), [&](const Language& l) { return GetParam() == l.file; }))
        << GetParam() << " is installed but no language of the table reads it";
}

INSTANTIATE_TEST_SUITE_P(Languages, ShippedLanguageFile, ::testing::ValuesIn(ShippedLanguageFiles()),
                         [](const auto& info) { return LanguageFileTestName(info.param); });

TEST(LanguageTable, EveryLanguageShipsItsFile)
{
    for (const Language& language : Languages())
        EXPECT_TRUE(fs::exists(LanguageDir / language.file)) << language.file;
}

// --- the checks themselves catch the faults they are there for -----------------

class LanguageFileChecks : public TempDirTest {};

TEST_F(LanguageFileChecks, ReportMissingMisplacedDuplicateLongAndUnlistedTexts)
{
    const std::string tooLong(TextLimit + 1, 'x');
    writeFile("bad.ini",
              "[Msg]\n9017=OK\n9017=OK again\n12000=Title\n[Main]\n12001=" + tooLong
                  + "\n12002=\n12999=stale\nnot a key line\n");
    const LanguageFile file = scanLanguageFile(path("bad.ini"));
    EXPECT_EQ(file.problems,
              (Problems{"line 3: 9017 is given twice", "line 4: 12000 stands in [Msg], the lookup reads [Main]",
                        "line 6: 12001 has 255 characters, more than 254",
                        "line 9: not \"<number>=<text>\": not a key line"}));

    // 12000 is misplaced and 12002 empty, so the lookup finds neither.
    const Problems missing = missingTexts(path("bad.ini"), {9017, 12000, 12001, 12002});
    EXPECT_EQ(missing, (Problems{"12000 has no text", "12002 has no text"}));
    EXPECT_EQ(unlistedKeys(file, {9017, 12000, 12001, 12002}), (Problems{"12999 is not in text_numbers.txt"}));
}

TEST_F(LanguageFileChecks, CountCharactersNotBytesAndRefuseBrokenUtf8)
{
    std::string chinese;
    for (std::size_t i = 0; i < TextLimit; ++i)
        chinese += "\xE4\xB8\xAD";  // one character, three bytes
    writeFile("zh.ini", "\xEF\xBB\xBF[Msg]\n9001=" + chinese + "\n9002=\xE4\xB8\n");
    const LanguageFile file = scanLanguageFile(path("zh.ini"));
    EXPECT_TRUE(file.hasBom);
    EXPECT_EQ(file.problems, (Problems{"line 3: 9002 is not valid UTF-8"}));
}

TEST_F(LanguageFileChecks, ReportMenuEntriesWithoutOrWithClashingAccessKeys)
{
    writeFile("menu.ini",
              "[Menu]\n10000=&File\n10001=&New\n10002=&Open...\n10003=Save\n10004=Save &As && &Close\n"
              "10100=&Model\n10101=&Information\n10200=&Fine\n10201=&New\n");
    const Problems problems = menuAccessKeyProblems(scanLanguageFile(path("menu.ini")));
    EXPECT_EQ(problems,
              (Problems{"10003 \"Save\" has 0 access keys", "10004 \"Save &As && &Close\" has 2 access keys",
                        "10200 and 10000 share the access key 'f'"}));
}

TEST_F(LanguageFileChecks, ReportLineBreaksAndPlaceholdersOtherThanTheReference)
{
    writeFile("en.ini", "[Msg]\n9001=Channel %1 of %2\n9002=%1 channels\n9003=Plain\n9004=Two %1 and %1\n");
    writeFile("xx.ini", "[Msg]\n9001=Kanal %2 von %1\n9002=Kan\u00e4le\n9003=Eine\\nZeile\n9004=Nur %1\n");
    const LanguageFile file = scanLanguageFile(path("xx.ini"));
    EXPECT_EQ(file.problems, (Problems{"line 4: 9003 holds a line break or control character"}));
    EXPECT_EQ(placeholderProblems(file, scanLanguageFile(path("en.ini"))),
              (Problems{"9002 \"Kan\u00e4le\" has other placeholders than \"%1 channels\"",
                        "9004 \"Nur %1\" has other placeholders than \"Two %1 and %1\""}));
}

TEST_F(LanguageFileChecks, ReportNumberListLinesOutOfOrderOrWithoutUse)
{
    writeFile("list.txt", "# comment\n9001 first\n9003 third\n9002 second\n9004\n\n9005 fifth\n");
    const NumberList list = readNumberList(path("list.txt"));
    EXPECT_EQ(list.numbers, (std::set<int>{9001, 9002, 9003, 9005}));
    EXPECT_EQ(list.problems,
              (Problems{"line 4: 9002 is not above the number before it", "line 5: not \"<number> <use>\": 9004"}));
}

}  // namespace
