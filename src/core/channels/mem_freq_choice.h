#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

class Document;

// In the CB band a memory channel takes the frequency of a country channel.
// The memory-frequency dialog offers the country groups (after "Off") and
// their positions; these are its rules, apart from the widgets. The group
// index is the list position: 0 "Off", 1..8 the country groups 0..7. The
// position index is zero-based; -1 when the list is empty.

struct MemFreqChoice {
    int groupIndex = 0;
    int positionIndex = -1;

    bool operator==(const MemFreqChoice&) const = default;
};

// "Off", then "EU" .. "IN".
std::vector<std::string> MemFreqGroupItems();
// "1" .. the group's size; empty for "Off".
std::vector<std::string> MemFreqPositionItems(int groupIndex);

// The choice the dialog opens on for the frequency box's text: the nearest
// country channel of a numeric text; "Off" for any other text and when the
// document holds no country channel.
MemFreqChoice MemFreqInitialChoice(const Document& doc, std::string_view freqText);

// Another group keeps the position where the group has it, else position 0;
// "Off" has none.
MemFreqChoice MemFreqGroupChosen(int groupIndex, int previousPositionIndex);

// The text to show for a choice: empty for "Off", the shown frequency of the
// chosen country channel, nothing when the position holds no channel.
std::optional<std::string> MemFreqChannelText(const Document& doc, const MemFreqChoice& choice);
