#include "core/model/image_place.h"

#include "core/model/tone_table.h"
#include "core/model/image_layout.h"

#include <algorithm>

namespace {

constexpr std::uint8_t Erased = 0xFF;
constexpr std::uint8_t LastSingleDigit = 0x0F;
constexpr char HexDigits[] = "0123456789ABCDEF";

int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return 0;
}

// A digit as the text shows it and as the image keeps it.
char shownDigit(char kept, std::string_view swaps)
{
    for (std::size_t k = 0; k + 1 < swaps.size(); k += 2) {
        if (swaps[k + 1] == kept)
            return swaps[k];
    }
    return kept;
}

int keptValue(char shown, std::string_view swaps)
{
    for (std::size_t k = 0; k + 1 < swaps.size(); k += 2) {
        if (swaps[k] == shown)
            return hexValue(swaps[k + 1]);
    }
    return hexValue(shown);
}

// The tone kind of a slot's receive or transmit tone lives in its flag byte.
std::size_t toneKindByte(std::size_t base)
{
    return base + ImageLayout::Slot::Flags;
}

}  // namespace

std::string ReadDigits(const RadioImage& image, std::size_t base, const DigitPlace& place)
{
    const std::size_t at = base + place.address;
    std::string text(place.unkeptLead, '0');
    if (place.kind == DigitPlace::Kind::Pairs) {
        for (std::size_t i = place.bytes; i-- > 0;) {
            const std::uint8_t b = image.byte(at + i);
            text += shownDigit(HexDigits[b >> 4], place.swaps);
            text += shownDigit(HexDigits[b & 0x0F], place.swaps);
        }
    } else {
        for (std::size_t i = 0; i < place.bytes && image.byte(at + i) <= LastSingleDigit; ++i)
            text += shownDigit(HexDigits[image.byte(at + i)], place.swaps);
    }
    text.append(place.unkeptTail, '0');
    return text;
}

void WriteDigits(RadioImage& image, std::size_t base, const DigitPlace& place, std::string_view text)
{
    const std::size_t at = base + place.address;
    const std::string_view kept = text.substr(std::min(place.unkeptLead, text.size()));
    const auto value = [&](std::size_t i) { return i < kept.size() ? keptValue(kept[i], place.swaps) : 0; };
    if (place.kind == DigitPlace::Kind::Pairs) {
        for (std::size_t i = 0; i < place.bytes; ++i) {
            const std::size_t pair = place.bytes - 1 - i;  // the first pair is the most significant
            image.setByte(at + i, static_cast<std::uint8_t>(value(2 * pair) * 16 + value(2 * pair + 1)));
        }
    } else {
        for (std::size_t i = 0; i < place.bytes; ++i)
            image.setByte(at + i, i < kept.size() ? static_cast<std::uint8_t>(value(i)) : Erased);
    }
}

int ReadPlace(const RadioImage& image, std::size_t base, const ImagePlace& place, FieldRange range)
{
    const std::size_t at = base + place.address;
    switch (place.kind) {
    case ImagePlace::Kind::None:
        return 0;
    case ImagePlace::Kind::Byte:
        return range.fit(image.byte(at));
    case ImagePlace::Kind::Bits:
    case ImagePlace::Kind::Flag:
        return range.fit(image.bits(at, place.firstBit, place.bitCount));
    case ImagePlace::Kind::Le16:
        return range.fit(image.le16(at));
    case ImagePlace::Kind::LowBit:
        return range.fit(image.bits(at, 0, 1));
    case ImagePlace::Kind::Tone:
        return ImageToToneCode(image.bits(toneKindByte(base), place.firstBit, place.bitCount), image.byte(at),
                               image.byte(at + 1));
    }
    return 0;
}

void WritePlace(RadioImage& image, std::size_t base, const ImagePlace& place, int value, FieldRange range)
{
    const std::size_t at = base + place.address;
    switch (place.kind) {
    case ImagePlace::Kind::None:
        return;
    case ImagePlace::Kind::Byte:
    case ImagePlace::Kind::LowBit:
        image.setByte(at, static_cast<std::uint8_t>(range.fit(value)));
        return;
    case ImagePlace::Kind::Bits:
        image.setBits(at, place.firstBit, place.bitCount, static_cast<unsigned>(range.fit(value)));
        return;
    case ImagePlace::Kind::Flag:
        image.setBit(at, place.firstBit, value == 1);
        return;
    case ImagePlace::Kind::Le16:
        image.setLe16(at, static_cast<std::uint16_t>(range.fit(value)));
        return;
    case ImagePlace::Kind::Tone: {
        const ToneImage tone = ToneCodeToImage(value);
        image.setByte(at, tone.CtcssIndex);
        image.setByte(at + 1, tone.DcsIndex);
        image.setBits(toneKindByte(base), place.firstBit, place.bitCount, tone.Type);
        return;
    }
    }
}
