#include "core/interchange/csv_export.h"

#include "core/interchange/csv_columns.h"
#include "core/interchange/csv_table.h"

#include "core/channels/channel_place.h"
#include "core/channels/channels_in_order.h"
#include "core/freq/channel_groups.h"
#include "core/freq/freq_code.h"
#include "core/base/numeric_text.h"
#include "core/model/document.h"

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

// Megahertz with six decimals, as the windows show the channel (a "UK"
// channel with its 125 Hz ending: 27.601250).
std::string frequencyText(const ChannelRecord& c, int group, const Document& doc)
{
    const auto mhz = ParseNumericText(FreqCodeToShowText(c.RxFreq, group, doc.BandMode, doc));
    if (!mhz)
        return {};
    char text[32];
    std::snprintf(text, sizeof text, "%.6f", *mhz);
    return text;
}

std::vector<std::string> rowOf(const ChannelRecord& c, const Document& doc)
{
    const ChannelPlace place = PlaceOfChannel(c.ChannelNo, doc.BandMode);
    const int group = place.group;
    const std::string groupName = GetGroupName(group, doc.BandMode);
    const std::string position = std::to_string(place.position);
    const CsvTones tones = TonesToCsv(c.RDCT, c.TDCT);
    static const char* const Duplex[] = {"", "+", "-"};
    std::vector<std::string> row{
        std::to_string(c.ChannelNo),
        "",
        frequencyText(c, group, doc),
        c.DUP >= 0 && c.DUP <= 2 ? Duplex[c.DUP] : "",
        OffsetToMhzText(c.OffSetFre),
        tones.Tone,
        tones.rToneFreq,
        tones.cToneFreq,
        tones.DtcsCode,
        tones.DtcsPolarity,
        tones.RxDtcsCode,
        tones.CrossMode,
        c.AM_FM == 1 ? "AM" : "FM",
        "5.00",
        c.Scan == 0 ? "S" : "",
        PowerName(c.Tx_Power),
        groupName + " " + position,
        "",
        "",
        "",
        "",
        groupName,
        position,
    };
    for (const ChannelField field : OwnCsvFields) {
        const ChannelFieldInfo& f = ChannelFieldOf(field);
        const int value = c.*f.member;
        row.push_back(f.csv == CsvForm::Flag ? FlagText(value) : std::to_string(value));
    }
    return row;
}

}  // namespace

std::string ExportCsv(const Document& doc)
{
    std::vector<std::string> header(CommonCsvColumns.begin(), CommonCsvColumns.end());
    header.insert(header.end(), OwnCsvColumns().begin(), OwnCsvColumns().end());
    std::string text = CsvLine(header);

    for (const ChannelRecord* c : ChannelsInNumberOrder(doc))
        text += CsvLine(rowOf(*c, doc));
    return text;
}
