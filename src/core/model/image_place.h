#pragma once

#include "core/model/field_range.h"
#include "core/model/radio_image.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// Where a record field lives in the radio's memory: an address (from the
// start of its record's area: a channel slot, a tone tip, or address 0 for
// the settings) and how the value is kept there.
struct ImagePlace {
    enum class Kind : std::uint8_t {
        None,    // kept by the program only, never in the image
        Byte,    // the whole byte
        Bits,    // bits [firstBit, firstBit + bitCount) of the byte
        Flag,    // one bit, set by the value 1 only (any other value clears it)
        Le16,    // 16 bits, little-endian
        Tone,    // a tone code: CTCSS index at address, DCS index after it,
                 // the kind in bits [firstBit, firstBit + 2) of the slot's flag byte
        LowBit,  // read from bit 0 only, written as the whole byte
    };

    Kind kind = Kind::None;
    std::size_t address = 0;
    unsigned firstBit = 0;
    unsigned bitCount = 8;

    // Element i of a run of such places, `step` bytes apart; step 0 means
    // consecutive bits, running on into the following bytes.
    constexpr bool sharesItsByte() const { return kind == Kind::Bits || kind == Kind::Flag; }

    constexpr ImagePlace element(std::size_t i, std::size_t step) const
    {
        if (step != 0)
            return {kind, address + i * step, firstBit, bitCount};
        const std::size_t bit = firstBit + i;
        return {kind, address + bit / 8, static_cast<unsigned>(bit % 8), bitCount};
    }
};

constexpr ImagePlace notInImage()
{
    return {};
}
constexpr ImagePlace byteAt(std::size_t address)
{
    return {ImagePlace::Kind::Byte, address, 0, 8};
}
constexpr ImagePlace bitsAt(std::size_t address, unsigned first, unsigned count = 1)
{
    return {ImagePlace::Kind::Bits, address, first, count};
}
constexpr ImagePlace flagAt(std::size_t address, unsigned bit)
{
    return {ImagePlace::Kind::Flag, address, bit, 1};
}
constexpr ImagePlace le16At(std::size_t address)
{
    return {ImagePlace::Kind::Le16, address, 0, 16};
}
constexpr ImagePlace toneAt(std::size_t ctcssAddress, unsigned kindBit)
{
    return {ImagePlace::Kind::Tone, ctcssAddress, kindBit, 2};
}
constexpr ImagePlace lowBitOf(std::size_t address)
{
    return {ImagePlace::Kind::LowBit, address, 0, 8};
}

// Where a text of digits lives in the image and how its digits are kept: one
// description per kind, read by both directions of the codec.
struct DigitPlace {
    enum class Kind : std::uint8_t {
        Pairs,    // two hexadecimal digits per byte, the last pair at the lowest address
        Singles,  // one digit per byte from the lowest address; a byte above 0x0F
                  // ends the text, and bytes after the text are written as 0xFF
    };

    Kind kind = Kind::Pairs;
    std::size_t address = 0;
    std::size_t bytes = 0;
    // Digits of the text before and after the kept ones; the image has no
    // room for them, they read back as "0".
    std::size_t unkeptLead = 0;
    std::size_t unkeptTail = 0;
    // Digits the image keeps as another hexadecimal digit, as pairs of the
    // text's digit and the kept one ("#E*F": "#" kept as E, "*" as F).
    std::string_view swaps = {};

    constexpr std::size_t keptDigits() const { return kind == Kind::Pairs ? 2 * bytes : bytes; }
};

// The text kept at base + place.address.
std::string ReadDigits(const RadioImage& image, std::size_t base, const DigitPlace& place);

// Stores a text's kept digits (those after the unkept lead): Pairs all of
// them, a missing digit as 0; Singles as many as the text has, the rest of
// the bytes 0xFF. A digit that is no hexadecimal digit is stored as 0.
void WriteDigits(RadioImage& image, std::size_t base, const DigitPlace& place, std::string_view text);

// The value kept at base + place.address, moved into the range.
int ReadPlace(const RadioImage& image, std::size_t base, const ImagePlace& place, FieldRange range);

// Stores the value at base + place.address. A value outside the range is
// moved into it, never wrapped: the encoder relies on the data-file and
// editor checks, and this keeps a slip from turning 256 into 0 or -1 into
// 255 on the air. Bits of the byte outside the place are kept.
void WritePlace(RadioImage& image, std::size_t base, const ImagePlace& place, int value, FieldRange range);
