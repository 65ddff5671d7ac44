#pragma once

#include "core/channels/channel_field.h"

#include <optional>
#include <string>
#include <vector>

// The columns of the channel window's grid: the position, six fields of the
// channel, and ">>", which opens the channel edit dialog. Columns 1..6 edit
// the field of the same number.
enum ChannelColumn {
    NumberColumn = 0,
    FreqColumn = 1,
    PublicColumn = 2,
    DupColumn = 3,
    OffsetColumn = 4,
    TsqColumn = 5,
    ScanColumn = 6,
    EditColumn = 7,
    ChannelColumnCount = 8,
};

struct ChannelColumnInfo {
    int headerText;  // language text number
    int widthTwips;  // 0: hidden (the radio's shift and offset are edited in the edit dialog)
};

const ChannelColumnInfo& ChannelColumnOf(int column);

// The field a column edits; nothing for the position and ">>" columns.
std::optional<ChannelField> FieldOfColumn(int column);

// The pick list of a column whose field is chosen from a list (Public, DUP,
// TSQ, Scan); the list position is the stored value. Empty for the others.
const std::vector<std::string>& ColumnChoices(int column);

// How a column's value is typed: the frequency takes digits and ".", the
// offset digits only. Nothing for the list columns.
enum class TypedKind { None, Frequency, Digits };
TypedKind TypedKindOfColumn(int column);
