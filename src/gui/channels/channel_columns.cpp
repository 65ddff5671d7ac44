#include "gui/channels/channel_columns.h"
#include "lang_text_ids.h"

#include <array>

namespace {

constexpr std::array<ChannelColumnInfo, ChannelColumnCount> Columns{{
    {Txt::GridPosition, 740},
    {Txt::GridFrequency, 1800},
    {Txt::GridPublic, 1100},
    {Txt::GridShiftDirection, 0},
    {Txt::GridOffset, 0},
    {Txt::GridToneSquelch, 1200},
    {Txt::GridScan, 1100},
    {Txt::GridOpenEditor, 1400},
}};

bool isFieldColumn(int column)
{
    return column >= FreqColumn && column <= ScanColumn;
}

}  // namespace

const ChannelColumnInfo& ChannelColumnOf(int column)
{
    return Columns.at(static_cast<std::size_t>(column));
}

std::optional<ChannelField> FieldOfColumn(int column)
{
    if (!isFieldColumn(column))
        return std::nullopt;
    return static_cast<ChannelField>(column);
}

const std::vector<std::string>& ColumnChoices(int column)
{
    static const std::vector<std::string> offOn{"Off", "On"};
    static const std::vector<std::string> shift{"Off", "+", "-"};
    static const std::vector<std::string> scan{"Del", "Add"};
    static const std::vector<std::string> none;
    switch (column) {
    case PublicColumn:
    case TsqColumn:
        return offOn;
    case DupColumn:
        return shift;
    case ScanColumn:
        return scan;
    default:
        return none;
    }
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
