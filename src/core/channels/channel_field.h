#pragma once

#include "core/model/records.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

class Document;

// The fields of a channel that an editor can change, numbered as the channel
// window's columns (1..6) and the edit dialog's rows hand them over.
enum class ChannelField {
    RxFreq = 1,
    Public,
    DUP,
    OffSetFre,
    TSQ,
    Scan,
    HI_CUT,
    BUSY,
    NB,
    Add_Sub_5K,
    AM_FM,
    Tx_Power,
    RBTone,
    DTMF_BOT,
    DTMF_EOT,
    DTMF_Call,
    RDCT,
    TDCT,
};

inline constexpr int FirstChannelField = 1;
inline constexpr int LastChannelField = 18;

// Power levels: 0 and 1 for every modulation; 2 ("High") only for FM.
inline constexpr int HighPower = 2;

// The record's name of the field ("RxFreq", "OffSetFre", ...).
const char* ChannelFieldName(ChannelField field);
// The field of a name, compared without regard to case.
std::optional<ChannelField> ChannelFieldByName(std::string_view name);

// The record member of an integer field; nullptr for RxFreq.
std::int16_t ChannelRecord::*ChannelFieldMember(ChannelField field);

// The values an editor's pick list can hand over for the field, when it is
// picked from a list (Public 0..1, DUP 0..2, Tx_Power 0..2, a tone code
// 0..142, ...). Nothing for the frequency and for the numbers that are
// clamped instead (OffSetFre, RBTone, the three DTMF slots).
struct ChoiceRange {
    int min = 0;
    int max = 0;
    bool contains(int value) const { return value >= min && value <= max; }
};
std::optional<ChoiceRange> ChannelFieldChoices(ChannelField field);

// Stores one field as an editor hands it over: the frequency text becomes a
// frequency code; the offset, the tone tip and the DTMF slots are clamped
// into their ranges (a text that is no number takes the default); the other
// fields take the number as it is. Choosing AM lowers a power above 1 to 1.
void SetChannelField(ChannelRecord& record, ChannelField field, std::string_view value, const Document& doc);
