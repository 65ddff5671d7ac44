#pragma once

#include "core/model/channel_fields.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The columns of channel lists exchanged as CSV between radio programs, and
// the conversions between their values and the channel record's.

// The common exchange layout, in its order; then this program's own columns
// for what that layout has no place for.
inline constexpr std::array<const char*, 21> CommonCsvColumns{
    "Location",  "Name",     "Frequency",    "Duplex",     "Offset",    "Tone",     "rToneFreq",
    "cToneFreq", "DtcsCode", "DtcsPolarity", "RxDtcsCode", "CrossMode", "Mode",     "TStep",
    "Skip",      "Power",    "Comment",      "URCALL",     "RPT1CALL",  "RPT2CALL", "DVCODE"};
// Own columns: "Group" and "Position", then these fields under their CSV
// column names, each written as its CSV form says.
inline constexpr std::array<ChannelField, 10> OwnCsvFields{
    ChannelField::Public,   ChannelField::TSQ,        ChannelField::HI_CUT, ChannelField::BUSY,
    ChannelField::NB,       ChannelField::Add_Sub_5K, ChannelField::RBTone, ChannelField::DTMF_BOT,
    ChannelField::DTMF_EOT, ChannelField::DTMF_Call};
const std::vector<std::string>& OwnCsvColumns();

// The shift of a channel (OffSetFre) is held in kilohertz: its default 100 is
// the 100 kHz shift of 10-metre repeaters. Exchanged files give megahertz.
std::string OffsetToMhzText(int offsetKhz);
// Nothing for a text that is no number or is negative.
std::optional<int> OffsetFromMhzText(std::string_view mhz);

// "Low", "Medium", "High" for the power levels 0..2; "" for any other level.
std::string PowerName(int level);
// The level of a name, ignoring case; nothing for an unknown name ("5.0W").
std::optional<int> PowerByName(std::string_view name);

// The tone columns of one channel. In the layout's "Cross" mode rToneFreq is
// the transmitted CTCSS tone, cToneFreq the received one, DtcsCode the
// transmitted DCS code and RxDtcsCode the received one.
struct CsvTones {
    std::string Tone;  // "", "Tone", "TSQL", "DTCS", "Cross"
    std::string rToneFreq = "88.5";
    std::string cToneFreq = "88.5";
    std::string DtcsCode = "023";
    std::string DtcsPolarity = "NN";
    std::string RxDtcsCode = "023";
    std::string CrossMode = "Tone->Tone";
};

// The columns of a channel's receive (RDCT) and transmit (TDCT) tone codes.
// A code without a list entry counts as no tone.
CsvTones TonesToCsv(int rdct, int tdct);

struct ToneCodes {
    int RDCT = 0;
    int TDCT = 0;
    bool unavailable = false;  // a tone the radio cannot use was asked for and left off
};
// The tone codes the columns ask for; only the columns the Tone column names are read.
ToneCodes TonesFromCsv(const CsvTones& tones);

// "On" / "Off" for the flag columns; a flag text is On for "on", "1", "yes"
// or "true" (any case) and Off for "off", "0", "no", "false" or "".
std::string FlagText(int value);
std::optional<int> FlagFromText(std::string_view text);
