#pragma once

#include "lang_text_ids.h"

#include <optional>
#include <string>
#include <string_view>

class Document;
class Notifier;

// A channel's frequency is stored as a frequency code: exactly eight decimal
// digits in units of 10 Hz, the first three whole megahertz (26.965 MHz is
// "02696500"). "FFFFFFFF" or an empty code means the channel has no
// frequency. The radio itself keeps 100 Hz resolution, so codes read from it
// end in 0; the UK channel raster ends in 25 Hz steps of 125, which the
// display restores.
//
// Windows show megahertz with five decimals ("26.96500"); typed values are
// checked against the document's band limits, clamped and moved down onto
// the 5 kHz raster that starts at the lower band limit.

inline constexpr const char* NoFrequencyCode = "FFFFFFFF";
inline constexpr const char* NotNumericText = "Not IsNumeric";
// Language text of the out-of-band warning.
inline constexpr int BadFreqTextNumber = Txt::BadFrequency;

// True for "FFFFFFFF" and the empty code.
bool IsNoFrequencyCode(std::string_view code);

// True for a code that is neither a frequency nor "no frequency": anything
// but decimal digits (blanks around them allowed). Such a code shows as the
// lower band limit; the editor that lets the user act on it reports
// NotNumericText (ReportCorruptFreqCode) once, at that action.
bool IsCorruptFreqCode(std::string_view code);
void ReportCorruptFreqCode(Notifier& notifier);

// The frequency text of a code ("02696500" -> "26.96500"); empty for no
// frequency. A corrupt code gives the lower band limit as a plain number
// ("26.965"). Never speaks to the user: a table may call it while it paints.
std::string FreqCodeToText(std::string_view code, const Document& doc);

// The text a channel list shows for a code of a group: in the CB band the UK
// group, and the memory group above 27.405 MHz (where only UK channels lie),
// show the "125" ending of the UK raster (27.60100 -> 27.60125).
std::string FreqCodeToShowText(std::string_view code, int group, int bandMode, const Document& doc);

// The code of a frequency text ("26.965" -> "02696500", "27" -> "02700000").
// Decimals beyond the code's resolution are cut, not rounded. Empty stays
// empty. A text that is not an unsigned decimal number, or that names 1000 MHz
// or more, is replaced by the lower band limit.
std::string FreqTextToCode(std::string_view text, const Document& doc);

// Moves a frequency down onto the 5 kHz raster starting at freqMin. Both are
// first rounded to whole units of 10 Hz, exact halves to even.
double SnapFreqToStep(double mhz, double freqMin);
double SnapFreqToStep(double mhz, const Document& doc);

// Clamps into the band with the warning text 9021 (below: the lower limit,
// not snapped; above: the upper limit) and snaps an in-band value.
double LimitFreq(double mhz, const Document& doc, Notifier& notifier);

// Shows the warning text 9021 and returns the lower band limit.
double BadFreqWarning(const Document& doc, Notifier& notifier);

// A memory channel of the CB band must sit on the frequency of an existing
// country channel (channels 1..360 of the channel list). The nearest one wins,
// UK channels compared at their shown "125" value; a tie keeps the earlier
// list entry. Freq is the stored frequency of that channel (without the UK
// display ending), Group and Position (zero-based) locate it. With no country
// channel in the list Found is false, Freq is the typed value and Group and
// Position are -1.
struct NearestChannel {
    double Freq = 0.0;
    int Group = -1;
    int Position = -1;
    bool Found = false;
};
NearestChannel NearestChannelFreq(double typedMhz, const Document& doc);

// A frequency as the user types it, in MHz: decimal digits with at most one
// decimal point and at least one digit, blanks around them ignored. The
// point may be "." or ",": the numeric keypad of many European keyboards
// types a comma. No sign, no exponent, nothing else ("28.5.5", ".", "-5",
// "1e3" are no frequencies): a typo must never program one. Nothing when
// the text is no such number.
std::optional<double> ParseTypedFreq(std::string_view typed);

// The warning shown when a typed frequency is refused as no number (the
// typed text in it); the channel keeps what it holds.
void ReportNotAFrequency(std::string_view typed, Notifier& notifier);

// The one entry point for a typed frequency of a channel in a group: returns
// the "#0.00000" text to store (through FreqTextToCode). Non-numeric text
// warns and gives the lower limit; memory channels of the CB band take the
// nearest country channel; everything else is clamped and snapped.
std::string NormalizeFreqText(std::string_view typed, int group, int bandMode, const Document& doc, Notifier& notifier);
