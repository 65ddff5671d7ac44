#pragma once

#include "core/model/records.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// The item lists of the editors' combo boxes as plain lists of texts, so that
// the rules for reading and setting them are shared and testable; the widgets
// wrap these. Indices start at 0; -1 means no selection.

// The item at index; item 0 for a negative index or one beyond the last
// item; empty for an empty list.
std::string ListItemText(const std::vector<std::string>& items, int index);

// The first item equal to text; item 0 when none is; empty for an empty list.
std::string MatchListText(const std::vector<std::string>& items, std::string_view text);

// What a combo box shows after it was set: the selected index and its text.
struct ListSelection {
    int index = -1;
    std::string text;

    bool operator==(const ListSelection&) const = default;
};

// Selects the item MatchListText finds (the first one with that text); no
// selection for an empty list.
ListSelection SelectListText(const std::vector<std::string>& items, std::string_view text);

// Selects the item ListItemText finds; no selection for an empty list.
ListSelection SelectListIndex(const std::vector<std::string>& items, int index);

// Stores the selected index in value when an item is selected; otherwise
// leaves value as it is.
void ComboIndexIfSelected(int selectedIndex, std::int16_t& value);

// The selected item's text as a 16-bit integer when an item is selected and
// the text is numeric (out-of-range numbers are clamped); otherwise the default.
std::int16_t ComboNumberOrDefault(int selectedIndex, std::string_view selectedText, std::int16_t defaultValue);

// The list offered for DTMF_BOT, DTMF_EOT and DTMF_Call: language text 14013
// ("off") as item 0, then the numbers of the DTMF code slots 1..16 that hold
// a code (Length above 0), ascending.
std::vector<std::string> DtmfCodeComboItems(const DtmfSettings& dtmf);
