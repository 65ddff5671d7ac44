#pragma once

#include "core/model/field_range.h"
#include "core/model/radio_image.h"

#include <cstddef>
#include <cstdint>

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

// The value kept at base + place.address, moved into the range.
int ReadPlace(const RadioImage& image, std::size_t base, const ImagePlace& place, FieldRange range);

// Stores the value at base + place.address. A value outside the range is
// moved into it, never wrapped: the encoder relies on the data-file and
// editor checks, and this keeps a slip from turning 256 into 0 or -1 into
// 255 on the air. Bits of the byte outside the place are kept.
void WritePlace(RadioImage& image, std::size_t base, const ImagePlace& place, int value, FieldRange range);
