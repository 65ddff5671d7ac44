#pragma once

#include <cstddef>
#include <functional>
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

// More fields in one row than any channel table has: such text is no table
// of channels, and holding its fields would cost far more memory than the file.
constexpr std::size_t MaxCsvFields = 1024;

// Hands the rows of the text to `take` one by one, blank lines left out, so
// that only one row is held at a time; `take` returns false to stop. False
// when the text cannot be CSV: it holds NUL bytes, a row has more than
// MaxCsvFields fields, or it ends inside a quoted field (the rows before the
// fault have been handed over by then).
bool ForEachCsvRow(std::string_view text, const std::function<bool(CsvRow&)>& take);

// The rows of the text, blank lines left out. Nothing when the text cannot be
// CSV (as ForEachCsvRow).
std::optional<std::vector<CsvRow>> ParseCsv(std::string_view text);

// One field, quoted when it holds a comma, a quote or a line break.
std::string CsvField(std::string_view value);
// A row of fields joined by commas, ended by a line feed.
std::string CsvLine(const std::vector<std::string>& fields);
