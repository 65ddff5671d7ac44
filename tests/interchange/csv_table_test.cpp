#include "core/interchange/csv_table.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct ParseCase {
    const char* name;
    std::string text;
    std::vector<std::vector<std::string>> rows;
    std::vector<int> lines;
};

const std::vector<ParseCase> ParseCases{
    {"plain", "a,b\n1,2\n", {{"a", "b"}, {"1", "2"}}, {1, 2}},
    {"byte order mark and CRLF",
     "\xEF\xBB\xBF"
     "a,b\r\n1,2\r\n",
     {{"a", "b"}, {"1", "2"}},
     {1, 2}},
    {"no line end at the end", "a\n1", {{"a"}, {"1"}}, {1, 2}},
    {"quoted comma and quote", "a,b\n\"x,y\",\"say \"\"hi\"\"\"\n", {{"a", "b"}, {"x,y", "say \"hi\""}}, {1, 2}},
    {"line break inside quotes", "a,b\n\"one\ntwo\",3\nz,4\n", {{"a", "b"}, {"one\ntwo", "3"}, {"z", "4"}}, {1, 2, 4}},
    {"blank lines left out", "a\n\n1\r\n\r\n2\n", {{"a"}, {"1"}, {"2"}}, {1, 3, 5}},
    {"empty fields kept", "a,,c\n,,\n", {{"a", "", "c"}, {"", "", ""}}, {1, 2}},
    {"lone CR line ends", "a\r1\r", {{"a"}, {"1"}}, {1, 2}},
};

class CsvParse : public ::testing::TestWithParam<ParseCase> {};

TEST_P(CsvParse, GivesTheRowsAndTheirLines)
{
    const auto rows = ParseCsv(GetParam().text);
    ASSERT_TRUE(rows);
    std::vector<std::vector<std::string>> fields;
    std::vector<int> lines;
    for (const CsvRow& r : *rows) {
        fields.push_back(r.fields);
        lines.push_back(r.line);
    }
    EXPECT_EQ(fields, GetParam().rows);
    EXPECT_EQ(lines, GetParam().lines);
}

INSTANTIATE_TEST_SUITE_P(Texts, CsvParse, ::testing::ValuesIn(ParseCases), [](const auto& info) {
    std::string n = info.param.name;
    for (char& c : n)
        c = std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
    return n;
});

TEST(CsvParse, RefusesBinaryDataAndAnOpenQuote)
{
    EXPECT_FALSE(ParseCsv(std::string("BRISKO7\0\0\x01", 10)));
    EXPECT_FALSE(ParseCsv("a,b\n\"never closed,1\n"));
}

TEST(CsvWrite, QuotesOnlyWhatNeedsItAndReadsBack)
{
    const std::vector<std::string> fields{"plain", "with,comma", "with \"quote\"", "two\nlines", ""};
    const std::string line = CsvLine(fields);
    EXPECT_EQ(line, "plain,\"with,comma\",\"with \"\"quote\"\"\",\"two\nlines\",\n");
    const auto rows = ParseCsv(line);
    ASSERT_TRUE(rows);
    ASSERT_EQ(rows->size(), 1u);
    EXPECT_EQ(rows->front().fields, fields);
}

}  // namespace
