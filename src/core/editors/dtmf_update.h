#pragma once

#include "core/channels/channel_update.h"
#include "core/model/records.h"

#include <cstdint>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

class Document;

// The DTMF settings of the radio: five signalling timings and switches picked
// from lists, the display switch, and sixteen code slots (auto-dial memories)
// that channels and the public channel refer to by number. One table maps each
// setting to its record field and the stored values its list offers.

struct DtmfSetting {
    const char* name;  // the record's name of the field
    std::int16_t DtmfSettings::*member;
    std::vector<int> choices;  // stored values in list order; the first is shown for any other
    int msPerUnit;             // a list item shows stored value x this; 0: not a time
};

// DtmfRate, FirstDigitTime, FirstDigitDelay, StarHashTone, DKeySetting (the
// five lists, in the window's order), then DtmfDisplay (the check box).
const std::vector<DtmfSetting>& DtmfSettingTable();
const DtmfSetting* DtmfSettingByName(std::string_view name);

// The list position the setting's value is shown at: its place among the
// choices, or 0 (the first item) for a value no item shows.
int DtmfSettingPosition(const Document& doc, const DtmfSetting& setting);

// Stores one of the setting's choices and announces Scope::Dtmf when the
// record changed. A value the list does not offer is refused.
UpdateResult SetDtmfSetting(Document& doc, const DtmfSetting& setting, int value);

// Digits a code slot holds: "0".."9", "A".."D", "*" and "#".
bool IsDtmfDigit(char c);

// A code as typed: trailing blanks and everything from the first NUL on are
// dropped (as for every fixed-width text), "a".."d" become "A".."D". Nothing
// when a character remains that a slot cannot hold, or more than 16 digits.
std::optional<std::string> NormaliseDtmfCode(std::string_view typed);

// The digits a slot's box shows: the first Length characters of Digits; empty
// for a Length outside 1..16, which no box can show.
std::string DtmfCodeShownText(const DtmfCode& code);

// Stores a typed code in a slot (1..16): Length and the digits padded to 16.
// Announces Scope::Dtmf when the record changed. References to the slot are
// left alone even when it becomes empty: see DtmfCodeEdits.
UpdateResult SetDtmfCode(Document& doc, int slot, std::string_view typed);

// Stores, when a window shows the DTMF settings, the values its controls
// cannot show as the controls show them: a timing or switch outside its list
// becomes the list's first value (rate 1, first digit time 0, first digit
// delay 1, star and hash tone 0, D key 0, display off), and a slot whose shown
// digits end in blanks or are fewer than its Length is stored from what its
// box shows. A slot whose Length no box can show stays untouched until its
// box is edited. Values the controls show are never written.
UpdateResult NormaliseShownDtmf(Document& doc);

// The code edits of one window. A code being retyped is empty for a moment;
// only when the edit is committed (the box is left, the window closes, or a
// save or transfer is about to read the records) does a slot that stayed
// empty lose every channel's and the public channel's reference to it.
class DtmfCodeEdits {
public:
    // Stores the typed code and remembers the slot as edited.
    UpdateResult edit(Document& doc, int slot, std::string_view typed);
    // Clears the references to every edited slot that is empty now; the
    // channels and the public channel announce their own change.
    void commit(Document& doc);
    bool pending() const { return !m_edited.empty(); }

private:
    std::set<int> m_edited;
};
