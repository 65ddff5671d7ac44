#include "core/interchange/csv_table.h"

namespace {

constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";

bool isBlank(const CsvRow& row)
{
    return row.fields.size() == 1 && row.fields[0].find_first_not_of(" \t") == std::string::npos;
}

}  // namespace

bool ForEachCsvRow(std::string_view text, const std::function<bool(CsvRow&)>& take)
{
    if (text.substr(0, ByteOrderMark.size()) == ByteOrderMark)
        text.remove_prefix(ByteOrderMark.size());
    if (text.find('\0') != std::string_view::npos)
        return false;
    CsvRow row{1, {}};
    std::string field;
    int line = 1;
    bool quoted = false;
    bool stopped = false;
    auto endField = [&] {
        row.fields.push_back(std::move(field));
        field.clear();
        return row.fields.size() <= MaxCsvFields;
    };
    auto endRow = [&] {
        if (!isBlank(row))
            stopped = !take(row);
        row = CsvRow{line, {}};
    };
    for (std::size_t i = 0; i < text.size() && !stopped; ++i) {
        const char c = text[i];
        if (quoted) {
            if (c == '"' && i + 1 < text.size() && text[i + 1] == '"') {
                field += '"';
                ++i;
            } else if (c == '"') {
                quoted = false;
            } else {
                line += c == '\n';
                field += c;
            }
        } else if (c == '"') {
            quoted = true;
        } else if (c == ',') {
            if (!endField())
                return false;
        } else if (c == '\n' || c == '\r') {
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
            ++line;
            if (!endField())
                return false;
            endRow();
        } else {
            field += c;
        }
    }
    if (stopped)
        return true;
    if (quoted || !endField())
        return false;
    endRow();
    return true;
}

std::optional<std::vector<CsvRow>> ParseCsv(std::string_view text)
{
    std::vector<CsvRow> rows;
    if (!ForEachCsvRow(text, [&rows](CsvRow& row) {
            rows.push_back(std::move(row));
            return true;
        }))
        return std::nullopt;
    return rows;
}

std::string CsvField(std::string_view value)
{
    if (value.find_first_of(",\"\r\n") == std::string_view::npos)
        return std::string(value);
    std::string out = "\"";
    for (const char c : value) {
        if (c == '"')
            out += '"';
        out += c;
    }
    return out + '"';
}

std::string CsvLine(const std::vector<std::string>& fields)
{
    std::string out;
    for (std::size_t i = 0; i < fields.size(); ++i)
        out += (i ? "," : "") + CsvField(fields[i]);
    return out + '\n';
}
