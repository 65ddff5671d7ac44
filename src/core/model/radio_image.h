#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

// A fixed block of radio memory with typed access: unsigned bytes, 16-bit
// little-endian values and bit fields of one byte. Every access is bounds
// checked (an address outside the block is a programming error and throws).
template <std::size_t Size>
class MemoryBlock {
public:
    static constexpr std::size_t size() { return Size; }

    std::uint8_t byte(std::size_t address) const { return m_bytes.at(address); }
    void setByte(std::size_t address, std::uint8_t value) { m_bytes.at(address) = value; }

    std::uint16_t le16(std::size_t address) const
    {
        return static_cast<std::uint16_t>(byte(address) | (byte(address + 1) << 8));
    }
    void setLe16(std::size_t address, std::uint16_t value)
    {
        setByte(address, static_cast<std::uint8_t>(value & 0xFF));
        setByte(address + 1, static_cast<std::uint8_t>(value >> 8));
    }

    // Bits [first, first + count) of a byte, bit 0 being the least significant.
    std::uint8_t bits(std::size_t address, unsigned first, unsigned count) const
    {
        return static_cast<std::uint8_t>((byte(address) >> first) & ((1u << count) - 1u));
    }
    void setBits(std::size_t address, unsigned first, unsigned count, unsigned value)
    {
        const unsigned mask = ((1u << count) - 1u) << first;
        setByte(address, static_cast<std::uint8_t>((byte(address) & ~mask) | ((value << first) & mask)));
    }

    bool bit(std::size_t address, unsigned n) const { return bits(address, n, 1) != 0; }
    void setBit(std::size_t address, unsigned n, bool on) { setBits(address, n, 1, on ? 1u : 0u); }

    void fill(std::uint8_t value) { m_bytes.fill(value); }
    void clear() { fill(0); }

    std::uint8_t* data() { return m_bytes.data(); }
    const std::uint8_t* data() const { return m_bytes.data(); }
    std::array<std::uint8_t, Size>& bytes() { return m_bytes; }
    const std::array<std::uint8_t, Size>& bytes() const { return m_bytes; }

    bool operator==(const MemoryBlock&) const = default;

private:
    std::array<std::uint8_t, Size> m_bytes{};
};

// The radio's whole programmable memory, radio addresses 0x0000..0x1CFF.
constexpr std::size_t RadioImageSize = 7424;
using RadioImage = MemoryBlock<RadioImageSize>;

// The radio information area, radio addresses 0x3E00..0x3EFF (index = address - 0x3E00).
constexpr std::size_t RadioInfoBlockSize = 256;
constexpr std::uint16_t RadioInfoBase = 0x3E00;
using RadioInfoBlock = MemoryBlock<RadioInfoBlockSize>;
