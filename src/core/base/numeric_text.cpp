#include "core/base/numeric_text.h"

#include <array>
#include <charconv>
#include <cmath>
#include <limits>

namespace {

std::string_view trimBlanks(std::string_view text)
{
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    const auto last = text.find_last_not_of(' ');
    return text.substr(first, last - first + 1);
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Splits off an optional sign; returns the body, or nothing when the body is
// not digits with at most one point and at least one digit.
std::optional<std::string_view> numericBody(std::string_view text, bool& negative)
{
    text = trimBlanks(text);
    negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    int digits = 0;
    int points = 0;
    for (const char c : text) {
        if (isDigit(c))
            ++digits;
        else if (c == '.')
            ++points;
        else
            return std::nullopt;
    }
    if (digits == 0 || points > 1)
        return std::nullopt;
    return text;
}

std::string toText(double value, std::chars_format format, int precision)
{
    std::array<char, 400> buffer{};
    const auto result = precision < 0
        ? std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, format)
        : std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, format, precision);
    return std::string(buffer.data(), result.ptr);
}

}  // namespace

bool IsNumericText(std::string_view text)
{
    bool negative = false;
    return numericBody(text, negative).has_value();
}

std::optional<double> ParseNumericText(std::string_view text)
{
    bool negative = false;
    const auto body = numericBody(text, negative);
    if (!body)
        return std::nullopt;
    // from_chars wants a digit before a leading point in some libraries; give it one.
    std::string digits(*body);
    if (digits.front() == '.')
        digits.insert(digits.begin(), '0');
    if (digits.back() == '.')
        digits.pop_back();
    double value = 0.0;
    const auto result = std::from_chars(digits.data(), digits.data() + digits.size(), value, std::chars_format::fixed);
    if (result.ec == std::errc::result_out_of_range)
        value = std::numeric_limits<double>::max();
    else if (result.ec != std::errc() || result.ptr != digits.data() + digits.size())
        return std::nullopt;
    return negative ? -value : value;
}

double RoundHalfEven(double value)
{
    // nearbyint honours the current rounding mode, which is round-to-nearest-even
    // unless someone changed it; do the tie explicitly so that never matters.
    const double floorValue = std::floor(value);
    const double fraction = value - floorValue;
    if (fraction < 0.5)
        return floorValue;
    if (fraction > 0.5)
        return floorValue + 1.0;
    return std::fmod(floorValue, 2.0) == 0.0 ? floorValue : floorValue + 1.0;
}

std::optional<std::int64_t> NumericTextToInteger(std::string_view text)
{
    const auto value = ParseNumericText(text);
    if (!value)
        return std::nullopt;
    const double rounded = RoundHalfEven(*value);
    constexpr double limit = 9.2e18;  // inside the 64-bit range, far beyond any use
    if (rounded >= limit)
        return std::numeric_limits<std::int64_t>::max();
    if (rounded <= -limit)
        return std::numeric_limits<std::int64_t>::min();
    return static_cast<std::int64_t>(rounded);
}

std::string FormatFreqText(double mhz)
{
    std::string text = toText(mhz, std::chars_format::fixed, 5);
    if (text == "-0.00000")
        text.erase(0, 1);
    return text;
}

std::string PlainNumberText(double value)
{
    return toText(value, std::chars_format::fixed, -1);
}
