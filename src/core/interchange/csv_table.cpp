#include "interchange/csv_table.h"

namespace {

constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";

bool isBlank(const CsvRow& row)
{
    return row.fields.size() == 1 && row.fields[0].find_first_not_of(" \t") == std::string::npos;
}

}  // namespace

std::optional<std::vector<CsvRow>> ParseCsv(std::string_view text)
{
    if (text.substr(0, ByteOrderMark.size()) == ByteOrderMark)
        text.remove_prefix(ByteOrderMark.size());
    if (text.find('\0') != std::string_view::npos)
        return std::nullopt;
    std::vector<CsvRow> rows;
    CsvRow row{1, {}};
    std::string field;
    int line = 1;
    bool quoted = false;
    auto endRow = [&] {
        row.fields.push_back(std::move(field));
        field.clear();
        if (!isBlank(row))
            rows.push_back(std::move(row));
        row = CsvRow{line, {}};
    };
    for (std::size_t i = 0; i < text.size(); ++i) {
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
            row.fields.push_back(std::move(field));
            field.clear();
        } else if (c == '\n' || c == '\r') {
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
            ++line;
            endRow();
        } else {
            field += c;
        }
    }
    if (quoted)
        return std::nullopt;
    endRow();
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
