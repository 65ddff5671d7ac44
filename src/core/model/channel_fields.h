#pragma once

#include "core/model/field_range.h"
#include "core/model/image_place.h"
#include "core/model/records.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// What a channel field is, said once: its record member, its place in a
// channel slot, what an editor offers for it, its label, its CSV column and
// whether the public channel governs it. The codec, the data files, show,
// diff, the grid, the edit dialog, the options window, CSV and print read
// this description; each of them keeps only its own order of the fields.

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

// The values an editor can hand over for a field.
struct ChoiceRange {
    int min = 0;
    int max = 0;
    bool contains(int value) const { return value >= min && value <= max; }
};

// How an editor offers a field.
enum class ChannelInput {
    Frequency,  // typed in MHz, kept as a frequency code
    Typed,      // a typed number, clamped into its range in steps
    List,       // picked from a list whose position is the stored value
    ToneTip,    // the number of a tone tip that sounds; 0 none
    DtmfCode,   // the number of a DTMF code slot that holds a code; 0 none
    Tone,       // a CTCSS or DCS tone from the tone list; its position is the code
};

// How a field is written to an exchanged CSV file.
enum class CsvForm {
    None,    // in no column of its own: the tone columns carry RDCT and TDCT
    Own,     // its column's conversion is the field's own (frequency, shift, mode, ...)
    Flag,    // "On" / "Off"
    Number,  // the stored number
};

// The bands whose radios have the setting; the windows hide it elsewhere.
enum class ChannelBands {
    Every,
    NotCb,  // the CB band's radios have no shift, offset or power settings
    None,   // the 5 kHz shift: no radio has it
};

struct ChannelFieldInfo {
    ChannelField field;
    const char* name;  // the record's name, as show, diff, the clipboard and the command line write it
    std::int16_t ChannelRecord::*member;  // nullptr for RxFreq
    FieldRange stored;                    // what the image can keep; tone codes are checked on their own
    ImagePlace place;                     // within a channel slot; RxFreq and Scan are kept on their own
    ChannelInput input;
    ChoiceRange values;              // List, ToneTip, DtmfCode, Tone, Typed: what an editor hands over
    int step;                        // Typed: the value is rounded down to a multiple of this
    int fallback;                    // Typed, ToneTip, DtmfCode: stored for a text that is no number
    std::vector<std::string> items;  // List: the fixed item texts by value; empty when they are language texts
    int itemText;                    // List without fixed items: the language text of the first item; the others follow
    int label;                       // text number of the edit dialog's row or box label
    int gridHeader;                  // text number of the grid column's header; 0: no column
    const char* csvColumn;           // nullptr: no column of its own
    CsvForm csv;
    bool followsPublic;  // the public channel's setting replaces it while Public is on
    ChannelBands bands;
};

const ChannelFieldInfo& ChannelFieldOf(ChannelField field);

// Every field, in ChannelField order.
const std::array<ChannelFieldInfo, LastChannelField>& ChannelFieldTable();

// The record's name of the field ("RxFreq", "OffSetFre", ...).
const char* ChannelFieldName(ChannelField field);
// The field of a name, compared without regard to case.
std::optional<ChannelField> ChannelFieldByName(std::string_view name);

// The record member of an integer field; nullptr for RxFreq.
std::int16_t ChannelRecord::*ChannelFieldMember(ChannelField field);

// The items of a list field by value: its fixed texts, the power levels'
// names in the program's language, or the tone list. Empty for the others.
std::vector<std::string> ChannelListItems(ChannelField field);

// The values an editor's pick list can hand over for the field, when it is
// picked from a list (Public 0..1, DUP 0..2, Tx_Power 0..2, a tone code
// 0..142, ...). Nothing for the frequency and for the numbers that are
// clamped instead (OffSetFre, RBTone, the three DTMF slots).
std::optional<ChoiceRange> ChannelFieldChoices(ChannelField field);

// The fields a channel slot keeps besides its frequency, in record (and
// data-file) order: OffSetFre .. TSQ.
inline constexpr std::array<ChannelField, 16> ChannelSlotOrder{
    ChannelField::OffSetFre, ChannelField::RDCT,     ChannelField::TDCT,      ChannelField::DUP,
    ChannelField::HI_CUT,    ChannelField::BUSY,     ChannelField::NB,        ChannelField::Add_Sub_5K,
    ChannelField::AM_FM,     ChannelField::Tx_Power, ChannelField::Public,    ChannelField::RBTone,
    ChannelField::DTMF_BOT,  ChannelField::DTMF_EOT, ChannelField::DTMF_Call, ChannelField::TSQ,
};
