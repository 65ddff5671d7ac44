#include "gui/channels/channel_columns.h"
#include "lang_text_ids.h"

#include <array>

namespace {

bool isFieldColumn(int column)
{
    return column >= FreqColumn && column <= ScanColumn;
}

// The field columns' headers are their fields' grid headers.
const std::array<ChannelColumnInfo, ChannelColumnCount>& columns()
{
    static const auto table = [] {
        std::array<ChannelColumnInfo, ChannelColumnCount> t{{
            {Txt::GridPosition, 740},
            {0, 1800},
            {0, 1100},
            {0, 0},
            {0, 0},
            {0, 1200},
            {0, 1100},
            {Txt::GridOpenEditor, 1400},
        }};
        for (int c = FreqColumn; c <= ScanColumn; ++c)
            t[static_cast<std::size_t>(c)].headerText = ChannelFieldOf(static_cast<ChannelField>(c)).gridHeader;
        return t;
    }();
    return table;
}

}  // namespace

const ChannelColumnInfo& ChannelColumnOf(int column)
{
    return columns().at(static_cast<std::size_t>(column));
}

std::optional<ChannelField> FieldOfColumn(int column)
{
    if (!isFieldColumn(column))
        return std::nullopt;
    return static_cast<ChannelField>(column);
}

const std::vector<std::string>& ColumnChoices(int column)
{
    static const std::vector<std::string> none;
    const auto field = FieldOfColumn(column);
    return field ? ChannelFieldOf(*field).items : none;
}

TypedKind TypedKindOfColumn(int column)
{
    switch (column) {
    case FreqColumn:
        return TypedKind::Frequency;
    case OffsetColumn:
        return TypedKind::Digits;
    default:
        return TypedKind::None;
    }
}
