#pragma once

#include "core/channels/channel_field.h"
#include "core/channels/channel_update.h"
#include "core/model/records.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class Document;

// The radio-wide settings of the options window and the command-line tool:
// the general options (beep, time-out timer, squelch, ...) and the public
// channel, whose settings every channel with its Public flag on uses. One
// table maps each setting to its record field, the values its list offers
// and how a value handed over by an editor becomes the stored number.

enum class OptionRecord {
    Options,  // OptFeatRecord
    Public,   // the public channel (a ChannelRecord without frequency)
};

enum class OptionConversion {
    ListPosition,  // the position picked in the list
    ItemNumber,    // the number the picked item shows; a text that is no number stores the fallback
    Offset,        // kHz, clamped to 5..1000 and rounded down to a multiple of 5
    MaxSwr,        // tenths of the SWR, clamped to 70..200
};

struct OptionField {
    int storeCode;     // the options window's control: 2..16 left, 100 + row right, 200 offset, 300 check
    const char* name;  // the record's name of the field, as the data dump prints it
    OptionRecord record;
    std::int16_t OptFeatRecord::*option;  // with OptionRecord::Options
    ChannelField publicField;             // with OptionRecord::Public
    OptionConversion conversion;
    ChoiceRange choices;    // the values the window's list can offer (any list of the field)
    std::int16_t fallback;  // stored for a text that is no number
};

// Store codes that no list has.
inline constexpr int OffsetStoreCode = 200;
inline constexpr int UseMaxSwrStoreCode = 300;
inline constexpr int MaxSwrStoreCode = 301;

// Every setting the options window offers, in store-code order. The use of
// the memory channels, the VFO selection and the public receive tone are not
// offered; they pass through unchanged.
const std::vector<OptionField>& OptionFields();
const OptionField* OptionFieldByCode(int storeCode);
// The field of a record by name, compared without regard to case.
const OptionField* OptionFieldByName(OptionRecord record, std::string_view name);

// Whether the window shows the setting in the document's band: the public
// shift direction, offset and power not in the CB band, the 5 kHz shift in
// no band.
bool IsOptionFieldShown(const Document& doc, const OptionField& field);

// The stored value of the setting.
int OptionFieldValue(const Document& doc, const OptionField& field);

// Stores a value as an editor hands it over (a list position, an item's text,
// the typed offset or tenths of the SWR) with the field's conversion and
// clamps, and tells the observers (Options or PublicChannel) when something
// changed. Refused: a list value outside the field's choices, a row hidden in
// the band, a tone tip or DTMF code that is not defined, "High" power on an
// AM public channel. Choosing AM lowers a public power above 1 to 1.
UpdateResult SetOptionField(Document& doc, const OptionField& field, std::string_view value);
UpdateResult SetOptionField(Document& doc, const OptionField& field, int value);

// Showing an AM public channel with "High" power stores it with power 1, so
// that what the power list shows and what the record says agree.
UpdateResult ApplyPublicPowerLimit(Document& doc);

// The maximum-SWR box: a typed number clamped to 7.0..20.0 and shown with
// one decimal; anything else shows "20.0".
std::string MaxSwrShownText(std::string_view typed);
// The tenths stored for a shown value (rounded half to even).
int MaxSwrTenths(std::string_view shown);
// The box's text of stored tenths ("160" -> "16.0").
std::string MaxSwrTextOfTenths(int tenths);

// The tone-tip numbers 1..8 of the tips that sound, ascending; and the DTMF
// code slots 1..16 that hold a code.
std::vector<int> DefinedToneTips(const Document& doc);
std::vector<int> DefinedDtmfSlots(const Document& doc);
