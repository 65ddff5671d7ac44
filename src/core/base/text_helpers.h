#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// Small number and text helpers that every editor shares.

// A typed number kept within [min, max] and on a step: not numeric gives the
// default; otherwise the value (rounded half to even) is clamped, min first,
// then max, and with a step of 2 or more moved down to a multiple of it. The
// clamping is done on a wide integer, so a long number cannot wrap first.
std::int16_t ClampToStep(std::string_view text, int min, int max, int step, std::int16_t defaultValue);

// The text as a 32-bit integer (clamped to its range) when it is non-empty
// and numeric, else the default.
std::int32_t TextToLongOr(std::string_view text, std::int32_t defaultValue);

// A fixed-width text as read from a record: trailing blanks removed, then cut
// before its first NUL character.
std::string TrimFixed(std::string_view text);

// The radio stores DTMF digits as the values 0..15; 14 and 15 are "#" and "*".
// "E" becomes "#", "F" becomes "*"; other characters stay.
std::string DtmfCodeToText(std::string_view digits);
// "*" becomes "F", "#" becomes "E"; other characters stay.
std::string DtmfTextToCode(std::string_view text);

// True when the two words are equal but for the case of ASCII letters (names typed by a user).
bool SameWordIgnoringCase(std::string_view a, std::string_view b);
