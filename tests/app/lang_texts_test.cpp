#include "core/base/app_state.h"
#include "core/base/lang_texts.h"
#include "test_support.h"

#include <chrono>
#include <filesystem>

namespace {

TEST(LangTextsSections, NumbersAreFiledByThousands)
{
    EXPECT_EQ(LangTexts::sectionOf(0), "OTHER");
    EXPECT_EQ(LangTexts::sectionOf(8999), "OTHER");
    EXPECT_EQ(LangTexts::sectionOf(9000), "Msg");
    EXPECT_EQ(LangTexts::sectionOf(9999), "Msg");
    EXPECT_EQ(LangTexts::sectionOf(10000), "Menu");
    EXPECT_EQ(LangTexts::sectionOf(11007), "ToolBar");
    EXPECT_EQ(LangTexts::sectionOf(12000), "Main");
    EXPECT_EQ(LangTexts::sectionOf(13000), "Model");
    EXPECT_EQ(LangTexts::sectionOf(14013), "ChannelInfo");
    EXPECT_EQ(LangTexts::sectionOf(15005), "ChannelEdit");
    EXPECT_EQ(LangTexts::sectionOf(16001), "Option");
    EXPECT_EQ(LangTexts::sectionOf(17000), "Radio");
    EXPECT_EQ(LangTexts::sectionOf(18005), "DTMF");
    EXPECT_EQ(LangTexts::sectionOf(19000), "TestFre");
    EXPECT_EQ(LangTexts::sectionOf(20000), "EMG");
    EXPECT_EQ(LangTexts::sectionOf(21000), "Local");
    EXPECT_EQ(LangTexts::sectionOf(22000), "Port");
    EXPECT_EQ(LangTexts::sectionOf(23000), "Lang");
    EXPECT_EQ(LangTexts::sectionOf(24000), "About");
    EXPECT_EQ(LangTexts::sectionOf(25000), "KeySet");
    EXPECT_EQ(LangTexts::sectionOf(26000), "ScanSet");
    EXPECT_EQ(LangTexts::sectionOf(27000), "AlertSet");
    EXPECT_EQ(LangTexts::sectionOf(28000), "CHEdit");
    EXPECT_EQ(LangTexts::sectionOf(29100), "TONETIPS");
    EXPECT_EQ(LangTexts::sectionOf(30000), "GroupName");
    EXPECT_EQ(LangTexts::sectionOf(31999), "ResetMode");
    EXPECT_EQ(LangTexts::sectionOf(32000), "Others");
    EXPECT_EQ(LangTexts::sectionOf(40000), "Others");
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
