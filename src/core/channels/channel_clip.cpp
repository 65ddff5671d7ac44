#include "channels/channel_clip.h"

#include "channels/channel_field.h"
#include "channels/channel_update.h"
#include "freq/channel_groups.h"
#include "model/document.h"

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
