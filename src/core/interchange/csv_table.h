#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Comma-separated text as spreadsheets and other radio programs write it: an
// optional UTF-8 byte-order mark, CRLF or LF line ends, fields in double
// quotes that may hold commas, doubled quotes and line breaks.

struct CsvRow {
    int line = 0;  // the file line the row starts on, from 1
    std::vector<std::string> fields;
};

// The rows of the text, blank lines left out. Nothing when the text cannot be
// CSV: it holds NUL bytes or ends inside a quoted field.
std::optional<std::vector<CsvRow>> ParseCsv(std::string_view text);

// One field, quoted when it holds a comma, a quote or a line break.
std::string CsvField(std::string_view value);
// A row of fields joined by commas, ended by a line feed.
std::string CsvLine(const std::vector<std::string>& fields);
