#include "core/model/fixed_text.h"

#include <cstdint>

std::string PadFixed(std::string_view text, std::size_t width)
{
    std::string out(text.substr(0, width));
    out.resize(width, ' ');
    return out;
}

namespace {

// Length of a UTF-8 sequence from its lead byte; 0 for a byte that cannot lead.
std::size_t sequenceLength(unsigned char lead)
{
    if (lead < 0x80)
        return 1;
    if (lead >= 0xC2 && lead <= 0xDF)
        return 2;
    if (lead >= 0xE0 && lead <= 0xEF)
        return 3;
    if (lead >= 0xF0 && lead <= 0xF4)
        return 4;
    return 0;
}

bool isContinuation(unsigned char c)
{
    return (c & 0xC0) == 0x80;
}

}  // namespace

std::string Utf8ToLatin1(std::string_view utf8)
{
    std::string out;
    out.reserve(utf8.size());
    std::size_t i = 0;
    while (i < utf8.size()) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        const std::size_t length = sequenceLength(lead);
        bool whole = length != 0 && i + length <= utf8.size();
        for (std::size_t k = 1; whole && k < length; ++k)
            whole = isContinuation(static_cast<unsigned char>(utf8[i + k]));
        if (!whole) {
            out.push_back('?');
            ++i;
            continue;
        }
        if (length == 1)
            out.push_back(static_cast<char>(lead));
        else if (length == 2)
            // Only two-byte sequences can name U+0080..U+00FF.
            out.push_back(lead <= 0xC3 ? static_cast<char>(((lead & 0x03) << 6)
                                                           | (static_cast<unsigned char>(utf8[i + 1]) & 0x3F))
                                       : '?');
        else
            out.push_back('?');
        i += length;
    }
    return out;
}

std::string Utf8ToLatin1Fixed(std::string_view utf8, std::size_t width)
{
    return PadFixed(Utf8ToLatin1(utf8), width);
}

std::string Latin1ToUtf8(std::string_view latin1)
{
    std::string out;
    out.reserve(latin1.size());
    for (const char ch : latin1) {
        const auto c = static_cast<unsigned char>(ch);
        if (c < 0x80) {
            out.push_back(ch);
        } else {
            out.push_back(static_cast<char>(0xC0 | (c >> 6)));
            out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        }
    }
    return out;
}

std::string CutAndTrimFixed(std::string_view text)
{
    const auto nul = text.find('\0');
    if (nul != std::string_view::npos)
        text = text.substr(0, nul);
    const auto last = text.find_last_not_of(' ');
    return std::string(last == std::string_view::npos ? std::string_view{} : text.substr(0, last + 1));
}
