#include "core/base/lang_texts.h"
#include "lang_text_ids.h"
#include "test_support.h"
#include "../support/shipped_languages.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>

// The names the code looks texts up by: every one names a text that every
// shipped language file holds, and the build writes them from the list of
// numbers, old-style lines without a name included.

namespace {

namespace fs = std::filesystem;

const fs::path LanguageDir = fs::path(BRISKO7_SOURCE_DIR) / "data" / "language";

class NamedTextIn : public ::testing::TestWithParam<std::string> {};

TEST_P(NamedTextIn, EveryNameHasATextInTheSectionOfItsNumber)
{
    const fs::path file = LanguageDir / GetParam();
    ASSERT_TRUE(fs::exists(file)) << file;
    std::string missing;
    for (const auto& text : Txt::All)
        if (LangTexts::lookup(file.string(), text.number).empty())
            missing += "\n  " + std::string(text.name) + " = " + std::to_string(text.number);
    EXPECT_TRUE(missing.empty()) << GetParam() << " has no text for" << missing;
}

INSTANTIATE_TEST_SUITE_P(Languages, NamedTextIn, ::testing::ValuesIn(ShippedLanguageFiles()),
                         [](const auto& info) { return LanguageFileTestName(info.param); });

TEST(TextNames, AreUniqueAndNameDistinctNumbers)
{
    std::set<std::string> names;
    std::set<std::int32_t> numbers;
    for (const auto& text : Txt::All) {
        EXPECT_TRUE(names.insert(text.name).second) << text.name << " is given twice";
        EXPECT_TRUE(numbers.insert(text.number).second) << text.number << " has two names";
    }
    EXPECT_GT(names.size(), 200u);
    EXPECT_EQ(Txt::BadFrequency, 9021);
    EXPECT_EQ(Txt::ProgressCaption + 1, Txt::ProgressReading);
    EXPECT_EQ(Txt::ProgressCaption + 2, Txt::ProgressWriting);
}

// Runs the generator the build uses on a list of our own.
class TextNameGenerator : public TempDirTest {
protected:
    // The generated header, or "" when the generator failed.
    std::string generate(const std::string& list) const
    {
        writeFile("list.txt", list);
        const std::string command = std::string("\"") + BRISKO7_CMAKE_COMMAND + "\" -DLIST=\"" + path("list.txt")
            + "\" -DOUTPUT=\"" + path("ids.h") + "\" -P \"" + BRISKO7_SOURCE_DIR + "/cmake/LangTextIds.cmake\""
            + " >/dev/null 2>&1";
        if (std::system(command.c_str()) != 0)
            return {};
        std::ifstream in(path("ids.h"));
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }
};

TEST_F(TextNameGenerator, NamesListedNumbersBasesAndOldStyleLines)
{
    const std::string header = generate("# comment; with [brackets\n"
                                        "# Progress = 9026 + kind: a base\n"
                                        "9021 BadFrequency: typed frequency; not a number [warning\n"
                                        "9026 new document question (no name yet)\n"
                                        "9027 ProgressReading: caption\n");
    for (const char* expected :
         {"inline constexpr std::int32_t Progress = 9026;", "inline constexpr std::int32_t BadFrequency = 9021;",
          "inline constexpr std::int32_t Text9026 = 9026;", "inline constexpr std::int32_t ProgressReading = 9027;",
          "{\"BadFrequency\", 9021},\n    {\"Text9026\", 9026},\n    {\"ProgressReading\", 9027},\n};"})
        EXPECT_NE(header.find(expected), std::string::npos) << expected << "\nnot in:\n" << header;
    EXPECT_EQ(header.find("{\"Progress\""), std::string::npos) << "a base is no text of its own";
}

TEST_F(TextNameGenerator, RefusesANameGivenTwice)
{
    EXPECT_EQ(generate("9021 BadFrequency: one\n9022 BadFrequency: two\n"), "");
}

}  // namespace
