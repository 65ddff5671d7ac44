#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// Numbers typed by the user or stored as text. A text is numeric when, after
// leading and trailing blanks are removed, it is an optional sign ("+" or "-")
// followed by decimal digits with at most one "." as the decimal point and at
// least one digit ("27", "27.", ".5", "-3"). Nothing else is accepted: no
// exponents, no thousands separators, no "," as decimal point, whatever the
// locale, and no hexadecimal forms.

bool IsNumericText(std::string_view text);

// The value of a numeric text; nothing when the text is not numeric.
std::optional<double> ParseNumericText(std::string_view text);

// Rounds to the nearest integer, an exact half going to the even neighbour
// (2.5 -> 2, 3.5 -> 4), as the radio's programming conventions require.
double RoundHalfEven(double value);

// A numeric text rounded half-to-even to a wide integer; nothing when the
// text is not numeric. Values beyond the 64-bit range saturate.
std::optional<std::int64_t> NumericTextToInteger(std::string_view text);

// A frequency in MHz in the shown form "#0.00000": at least one integer
// digit, exactly five decimals, "." as the point (26.965 -> "26.96500").
std::string FormatFreqText(double mhz);

// A number in its shortest plain decimal form (26.965 -> "26.965", 28.0 -> "28").
std::string PlainNumberText(double value);
