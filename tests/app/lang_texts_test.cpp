#include "core/base/app_state.h"
#include "core/base/lang_texts.h"
#include "test_support.h"

#include <chrono>
#include <filesystem>

namespace {

TEST(LangTextsSections, NumbersAreFiledByThousands)
{
    const struct {
        int number;
        const char* section;
    } cases[] = {{0, "OTHER"},           {8999, "OTHER"},        {9000, "Msg"},     {9999, "Msg"},
                 {10000, "Menu"},        {11007, "ToolBar"},     {12000, "Main"},   {13000, "Model"},
                 {14013, "ChannelInfo"}, {15005, "ChannelEdit"}, {16001, "Option"}, {17000, "Radio"},
                 {18005, "DTMF"},        {19000, "TestFre"},     {20000, "EMG"},    {21000, "Local"},
                 {22000, "Port"},        {23000, "Lang"},        {24000, "About"},  {25000, "KeySet"},
                 {26000, "ScanSet"},     {27000, "AlertSet"},    {28000, "CHEdit"}, {29100, "TONETIPS"},
                 {30000, "GroupName"},   {31999, "ResetMode"},   {32000, "Others"}, {40000, "Others"}};
    for (const auto& c : cases)
        EXPECT_EQ(LangTexts::sectionOf(c.number), c.section) << c.number;
}

class LangTextsLookup : public TempDirTest {
protected:
    void SetUp() override
    {
        TempDirTest::SetUp();
        auto& app = AppState::instance();
        m_saved = app.ProgramFolder;
        app.setProgramFolder(path("V100"));
        app.setLanguage(1);
    }
    void TearDown() override
    {
        AppState::instance().setProgramFolder(m_saved);
        TempDirTest::TearDown();
    }
    std::string m_saved;

    // Writes an English file that looks as if written `age` ago, outside the
    // moments after a write in which a file is always parsed anew.
    void writeAgedEnglish(const std::string& text, std::chrono::hours age) const
    {
        writeFile("V100/language/english.ini", text);
        const auto file = path("V100/language/english.ini");
        std::filesystem::last_write_time(file, std::filesystem::file_time_type::clock::now() - age);
    }
};

TEST_F(LangTextsLookup, ReadsTheCurrentLanguageFile)
{
    writeFile("V100/language/english.ini",
              "[OTHER]\n8999=other\n[Msg]\n9000=message\n[ResetMode]\n31999=reset\n[Others]\n32000=last\n");
    writeFile("V100/language/chinese.ini", "[Msg]\n9000=\xE6\xB6\x88\xE6\x81\xAF\n");
    EXPECT_EQ(GetLangText(8999), "other");
    EXPECT_EQ(GetLangText(9000), "message");
    EXPECT_EQ(GetLangText(31999), "reset");
    EXPECT_EQ(GetLangText(32000), "last");

    // A changed file is seen at the next lookup.
    writeFile("V100/language/english.ini", "[Msg]\n9000=changed\n");
    EXPECT_EQ(GetLangText(9000), "changed");

    AppState::instance().setLanguage(2);
    EXPECT_EQ(GetLangText(9000), "\xE6\xB6\x88\xE6\x81\xAF");
}

TEST_F(LangTextsLookup, ParsedFileIsReplacedOnALanguageSwitchAndWhenTheFileChanges)
{
    using namespace std::chrono_literals;
    writeAgedEnglish("[Msg]\n9000=first\n", 48h);
    writeFile("V100/language/chinese.ini", "[Msg]\n9000=\xE4\xB8\xAD\n");
    EXPECT_EQ(GetLangText(9000), "first");

    writeAgedEnglish("[Msg]\n9000=second text\n", 48h);  // other size, same time
    EXPECT_EQ(GetLangText(9000), "second text");
    writeAgedEnglish("[Msg]\n9000=third  text\n", 24h);  // same size, other time
    EXPECT_EQ(GetLangText(9000), "third  text");

    AppState::instance().setLanguage(2);
    EXPECT_EQ(GetLangText(9000), "\xE4\xB8\xAD");
    AppState::instance().setLanguage(1);
    EXPECT_EQ(GetLangText(9000), "third  text");

    std::filesystem::remove(path("V100/language/english.ini"));
    EXPECT_EQ(GetLangText(9000), "");
}

TEST_F(LangTextsLookup, EmptyValueMissingKeyAndMissingFileGiveEmptyText)
{
    writeFile("V100/language/english.ini", "[Msg]\n9001=\n9002=  padded  \n");
    EXPECT_EQ(GetLangText(9001), "");
    EXPECT_EQ(GetLangText(9003), "");
    EXPECT_EQ(GetLangText(9002), "padded");
    AppState::instance().setLanguage(2);  // no chinese.ini here
    EXPECT_EQ(GetLangText(9002), "");
}

TEST_F(LangTextsLookup, LongTextIsCutTo254Characters)
{
    writeFile("V100/language/english.ini", "[Main]\n12001=" + std::string(300, 'x') + "\n");
    EXPECT_EQ(GetLangText(12001), std::string(254, 'x'));
}

}  // namespace
