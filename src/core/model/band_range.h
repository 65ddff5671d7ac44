#pragma once

#include <optional>
#include <string>
#include <string_view>

class Document;

// The radio works in one of three band modes: 0 "CB", 1 "HF", 2 "HAM". Each
// has a fixed frequency range, written as a text such as
// "26.965 - 27.405 MHz"; the band limits in MHz are parsed back from that text.

// The message shown when a band mode other than 0, 1 or 2 turns up (in a
// data file, a default file or a radio); whatever brought it is refused.
inline constexpr const char* CountryModeErrorText = "Country Mode Error!";

// The range text at program start (the CB band).
inline constexpr const char* DefaultBandRangeText = "26.965 - 27.405 MHz";

// The range text of a band mode; nothing for a band other than 0, 1, 2.
std::optional<std::string> GetBandRangeText(int bandMode);

// "CB", "HF", "HAM", or "Unknown" for any other value.
std::string BandModeName(int bandMode);

struct BandLimits {
    double FreqMin = 100.0;
    double FreqMax = 500.0;
};

// Parses "<low> - <high> MHz". Without " - " both limits fall back to 100 and
// 500 MHz; a part that is not numeric falls back alone. A missing " MHz" makes
// the rest of the text after " - " the upper limit.
BandLimits ParseBandRangeText(std::string_view rangeText);

// Sets the document's FreqMin and FreqMax from its BandRangeText.
void ParseBandRange(Document& doc);

// Switches the document to a band mode: BandMode, BandRangeText and the limits.
// A band other than 0, 1, 2 changes nothing and returns false; the caller then
// shows CountryModeErrorText and refuses what brought the band.
bool ApplyBandMode(Document& doc, int bandMode);
