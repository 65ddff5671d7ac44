#include "core/channels/channel_clip.h"

#include "core/model/default_channel.h"
#include "core/channels/channel_field.h"
#include "core/channels/channel_update.h"
#include "core/freq/channel_groups.h"
#include "core/freq/freq_code.h"
#include "core/base/numeric_text.h"
#include "core/model/tone_table.h"
#include "core/model/document.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <limits>

namespace {

constexpr std::string_view FormatName = "brisko7-channels 1 band=";

std::vector<std::string_view> split(std::string_view text, char separator)
{
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t end = std::min(text.find(separator, start), text.size());
        parts.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return parts;
}

std::optional<int> parseNumber(std::string_view text, int min, int max)
{
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value < min || value > max)
        return std::nullopt;
    return value;
}

std::string channelLine(const ChannelRecord& c)
{
    std::string line = "RxFreq=" + c.RxFreq;
    for (int f = FirstChannelField; f <= LastChannelField; ++f) {
        const auto field = static_cast<ChannelField>(f);
        if (field == ChannelField::RxFreq)
            continue;
        line += ';';
        line += ChannelFieldName(field);
        line += '=' + std::to_string(c.*ChannelFieldMember(field));
    }
    return line;
}

bool isFreqCodeText(std::string_view text)
{
    return text.size() <= 8 && std::all_of(text.begin(), text.end(), [](char ch) {
               return (ch >= '0' && ch <= '9') || ch == 'F' || ch == 'f';
           });
}

std::optional<ChannelRecord> parseChannel(std::string_view line)
{
    ChannelRecord c;
    for (std::string_view item : split(line, ';')) {
        const std::size_t eq = item.find('=');
        if (eq == std::string_view::npos)
            return std::nullopt;
        const auto field = ChannelFieldByName(item.substr(0, eq));
        const std::string_view value = item.substr(eq + 1);
        if (!field)
            return std::nullopt;
        if (*field == ChannelField::RxFreq) {
            if (!isFreqCodeText(value))
                return std::nullopt;
            c.RxFreq = std::string(value);
            continue;
        }
        const auto number = parseNumber(value, std::numeric_limits<std::int16_t>::min(),
                                        std::numeric_limits<std::int16_t>::max());
        if (!number)
            return std::nullopt;
        c.*ChannelFieldMember(*field) = static_cast<std::int16_t>(*number);
    }
    return c;
}

}  // namespace

int ChannelClip::channelCount() const
{
    return static_cast<int>(std::count_if(rows.begin(), rows.end(), [](const auto& r) { return r.has_value(); }));
}

ChannelClip CopyChannels(const Document& doc, int group, int firstPosition, int count)
{
    ChannelClip clip{doc.BandMode, {}};
    const int last = std::min(firstPosition + count - 1, GetGroupSize(group, doc.BandMode));
    for (int p = std::max(firstPosition, 1); p <= last; ++p) {
        const ChannelRecord* channel = ChannelAt(doc, group, p);
        if (!channel) {
            clip.rows.emplace_back(std::nullopt);
            continue;
        }
        // What a paste takes: the fields, not the number or the file's spare words.
        ChannelRecord copied;
        copied.RxFreq = channel->RxFreq;
        for (int f = FirstChannelField; f <= LastChannelField; ++f) {
            if (const auto member = ChannelFieldMember(static_cast<ChannelField>(f)))
                copied.*member = channel->*member;
        }
        clip.rows.emplace_back(copied);
    }
    return clip;
}

std::string ClipToText(const ChannelClip& clip)
{
    std::string text = std::string(FormatName) + std::to_string(clip.bandMode) + '\n';
    for (const auto& row : clip.rows)
        text += (row ? channelLine(*row) : std::string("-")) + '\n';
    return text;
}

std::optional<ChannelClip> ClipFromText(std::string_view text)
{
    std::vector<std::string_view> lines = split(text, '\n');
    if (!lines.empty() && lines.back().empty())
        lines.pop_back();
    if (lines.empty() || lines.front().substr(0, FormatName.size()) != FormatName)
        return std::nullopt;
    const auto band = parseNumber(lines.front().substr(FormatName.size()), 0, 2);
    if (!band)
        return std::nullopt;
    ChannelClip clip{*band, {}};
    for (std::size_t i = 1; i < lines.size(); ++i) {
        std::string_view line = lines[i];
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        if (line == "-") {
            clip.rows.emplace_back(std::nullopt);
            continue;
        }
        auto channel = parseChannel(line);
        if (!channel)
            return std::nullopt;
        clip.rows.emplace_back(std::move(channel));
    }
    return clip;
}

namespace {

std::string_view trimmed(std::string_view text)
{
    const auto blank = [](char c) { return c == ' ' || c == '\r' || c == '"'; };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    return text;
}

// The list cells of the table after the frequency, in order.
struct TableListCell {
    ChannelField field;
    const std::vector<std::string>* items;
};

const std::vector<TableListCell>& tableListCells()
{
    const auto cell = [](ChannelField field) {
        const ChannelFieldInfo& f = ChannelFieldOf(field);
        return TableListCell{field, f.input == ChannelInput::Tone ? &ToneList() : &f.items};
    };
    static const std::vector<TableListCell> cells{cell(ChannelField::Public), cell(ChannelField::TSQ),
                                                  cell(ChannelField::Scan), cell(ChannelField::RDCT),
                                                  cell(ChannelField::TDCT)};
    return cells;
}

// One table row onto the channel it is pasted over; false when a cell is
// not what the table holds there.
bool readTableRow(const std::vector<std::string_view>& cells, ChannelRecord& channel, const Document& doc)
{
    std::string freq(trimmed(cells[1]));
    std::replace(freq.begin(), freq.end(), ',', '.');
    // A frequency is a plain decimal number; a sign would be a typo.
    if (!IsNumericText(freq) || freq.find_first_of("+-") != std::string::npos)
        return false;
    channel.RxFreq = FreqTextToCode(freq, doc);
    for (std::size_t i = 0; i < tableListCells().size() && i + 2 < cells.size(); ++i) {
        const std::string_view cell = trimmed(cells[i + 2]);
        const TableListCell& list = tableListCells()[i];
        const auto found = std::find(list.items->begin(), list.items->end(), cell);
        if (found == list.items->end())
            return false;
        channel.*ChannelFieldMember(list.field) = static_cast<std::int16_t>(found - list.items->begin());
    }
    return true;
}

}  // namespace

std::optional<ChannelClip> ClipFromTable(const Document& doc, int group, int firstPosition, std::string_view text)
{
    std::vector<std::string_view> lines = split(text, '\n');
    while (!lines.empty() && trimmed(lines.back()).empty())
        lines.pop_back();
    // The header row names the columns in the user's language; a row of
    // channels starts with its position.
    if (!lines.empty() && !parseNumber(trimmed(split(lines.front(), '\t').front()), 1, MaxChannels))
        lines.erase(lines.begin());
    ChannelClip clip;
    clip.bandMode = doc.BandMode;
    int position = firstPosition;
    for (std::string_view line : lines) {
        const std::vector<std::string_view> cells = split(line, '\t');
        if (!parseNumber(trimmed(cells.front()), 1, MaxChannels))
            return std::nullopt;
        if (cells.size() < 2 || trimmed(cells[1]).empty()) {
            clip.rows.emplace_back(std::nullopt);
        } else {
            const ChannelRecord* target = ChannelAt(doc, group, position);
            ChannelRecord channel = target ? *target
                                           : DefaultChannel(GetGroupStart(group, doc.BandMode) + position, {});
            if (!readTableRow(cells, channel, doc))
                return std::nullopt;
            clip.rows.emplace_back(channel);
        }
        ++position;
    }
    if (clip.rows.empty())
        return std::nullopt;
    return clip;
}
