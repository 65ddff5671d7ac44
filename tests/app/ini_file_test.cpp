#include "core/base/ini_file.h"

#include "test_support.h"

#include <gtest/gtest.h>

#include <string>

namespace {

class IniFileTest : public TempDirTest {
protected:
    void writeText(const std::string& text) { writeFile("test.ini", text); }
    std::string readText() const { return readFile("test.ini"); }

    const std::string m_path = path("test.ini");
};

TEST_F(IniFileTest, ReadFindsTheKeyOfItsSectionOrGivesTheDefault)
{
    const char* const language = "[Language]\r\n  IsFirstRun =  0  \r\ncomPort=3\r\n";
    const struct {
        const char *file, *section, *key, *defaultValue, *expected;  // file nullptr: there is none
    } cases[] = {
        {language, "language", "isfirstrun", "", "0"},  // case does not matter; values are trimmed
        {language, "LANGUAGE", "COMPORT", "", "3"},
        {nullptr, "a", "b", "dflt", "dflt"},
        {"[one]\nx=1\n", "two", "x", "d", "d"},
        {"[one]\nx=1\n", "one", "y", "d", "d"},
        {"[one]\nx=1\n", "one", "x", "d", "1"},
        {"[one]\nx=1\n[two]\ny=2\n", "two", "x", "none", "none"},             // a key of another section
        {"\xEF\xBB\xBF[Main]\n12000=Title\n", "Main", "12000", "", "Title"},  // a byte order mark
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.file ? c.file : "(no file)") + " [" + c.section + "] " + c.key);
        std::filesystem::remove(m_path);
        if (c.file)
            writeText(c.file);
        EXPECT_EQ(IniFile::read(m_path, c.section, c.key, c.defaultValue), c.expected);
    }
}

TEST_F(IniFileTest, ValuesAreCutToTheLimitInCharacters)
{
    writeText("[s]\nk=" + std::string(300, 'a') + "\nz=" + std::string(10, ' ') + "\xE4\xB8\xAD\xE6\x96\x87\n");
    EXPECT_EQ(IniFile::read(m_path, "s", "k", "", 254).size(), 254u);
    EXPECT_EQ(IniFile::read(m_path, "s", "k", "", 511).size(), 300u);
    // Two Chinese characters cut to one stay a whole character.
    EXPECT_EQ(IniFile::read(m_path, "s", "z", "", 1), "\xE4\xB8\xAD");
}

TEST_F(IniFileTest, WritingOneKeyKeepsEveryOtherLine)
{
    writeText("; setup file\n[language]\nIsFirstRun=1\n; the port\ncomPort=1\n\n[other]\nkeep=yes\n");
    ASSERT_TRUE(IniFile::write(m_path, "LANGUAGE", "comport", "5"));
    EXPECT_EQ(readText(), "; setup file\n[language]\nIsFirstRun=1\n; the port\ncomport=5\n\n[other]\nkeep=yes\n");
    ASSERT_TRUE(IniFile::write(m_path, "language", "CurrentLanguage", "2"));
    EXPECT_EQ(IniFile::read(m_path, "language", "CurrentLanguage"), "2");
    EXPECT_EQ(IniFile::read(m_path, "other", "keep"), "yes");
    EXPECT_NE(readText().find("comport=5\nCurrentLanguage=2\n\n[other]"), std::string::npos);
}

TEST_F(IniFileTest, WritingCreatesTheFileAndSection)
{
    ASSERT_TRUE(IniFile::write(m_path, "language", "IsFirstRun", "0"));
    ASSERT_TRUE(IniFile::write(m_path, "ports", "1", "/dev/ttyUSB0"));
    EXPECT_EQ(IniFile::read(m_path, "language", "IsFirstRun"), "0");
    EXPECT_EQ(IniFile::read(m_path, "ports", "1"), "/dev/ttyUSB0");
}

TEST_F(IniFileTest, UnwritablePathReportsFailure)
{
    EXPECT_FALSE(IniFile::write("/proc/brisko7-none/x.ini", "s", "k", "v"));
}

}  // namespace
