#pragma once

#include "core/channels/channel_update.h"

#include <string>
#include <vector>

class Document;

// The radio's programmable keys: six keys P1..P6 in each of three key modes,
// and the key working mode that says which key modes are in use. Every value
// is a list position; what a function does in the radio is the radio's
// business.

constexpr int KeyModeCount = 3;
constexpr int KeysPerMode = 6;
constexpr int KeyEntryCount = KeyModeCount * KeysPerMode;

// The key working modes in list order: "1&2", "1&3", "2&3", "1&2&3".
const std::vector<std::string>& KeyWorkingModeNames();
// The key functions in list order ("MOD" .. "NULL"); a function is stored as
// its list position + 1.
const std::vector<std::string>& KeyFunctionNames();

// The entry of Keys that holds key p (1..6) of key mode m (1..3).
int KeyEntry(int mode, int key);

// The list positions the stored values are shown at: the first item for a
// value no item stands for. The stored value stays as it is until the user
// picks an item.
int ShownKeyModePosition(const Document& doc);
int ShownKeyFunctionPosition(const Document& doc, int entry);

// Store a picked list position (KeyMode := position; Keys entry := position
// + 1) and announce Scope::Keys when the record changed. A position outside
// the list, or an entry outside 0..17, is refused.
UpdateResult SetKeyMode(Document& doc, int position);
UpdateResult SetKeyFunction(Document& doc, int entry, int position);
