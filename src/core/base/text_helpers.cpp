#include "core/base/text_helpers.h"

#include "core/base/numeric_text.h"

#include <algorithm>
#include <cctype>
#include <limits>

std::int16_t ClampToStep(std::string_view text, int min, int max, int step, std::int16_t defaultValue)
{
    const auto parsed = NumericTextToInteger(text);
    if (!parsed)
        return defaultValue;
    std::int64_t v = *parsed;
    if (v < min)
        v = min;
    if (v > max)
        v = max;
    if (step >= 2)
        v -= v % step;
    return static_cast<std::int16_t>(std::clamp<std::int64_t>(v, std::numeric_limits<std::int16_t>::min(),
                                                              std::numeric_limits<std::int16_t>::max()));
}

std::int32_t TextToLongOr(std::string_view text, std::int32_t defaultValue)
{
    if (text.empty())
        return defaultValue;
    const auto parsed = NumericTextToInteger(text);
    if (!parsed)
        return defaultValue;
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(*parsed, std::numeric_limits<std::int32_t>::min(),
                                                              std::numeric_limits<std::int32_t>::max()));
}

std::string TrimFixed(std::string_view text)
{
    const auto last = text.find_last_not_of(' ');
    text = last == std::string_view::npos ? std::string_view{} : text.substr(0, last + 1);
    return std::string(text.substr(0, text.find('\0')));
}

std::string DtmfCodeToText(std::string_view digits)
{
    std::string out(digits);
    std::replace(out.begin(), out.end(), 'E', '#');
    std::replace(out.begin(), out.end(), 'F', '*');
    return out;
}

std::string DtmfTextToCode(std::string_view text)
{
    std::string out(text);
    std::replace(out.begin(), out.end(), '*', 'F');
    std::replace(out.begin(), out.end(), '#', 'E');
    return out;
}

bool SameWordIgnoringCase(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}
