#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

// Whole files as bytes or text, and the 16-bit little-endian values the
// data files and the radio's memory keep.

inline std::vector<std::uint8_t> readBytes(const std::filesystem::path& p)
{
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline std::string readText(const std::filesystem::path& p)
{
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void writeBytes(const std::filesystem::path& p, const std::vector<std::uint8_t>& bytes)
{
    std::ofstream out(p, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

// Creates the file's folder when it is missing.
inline void writeText(const std::filesystem::path& p, const std::string& text)
{
    if (p.has_parent_path())
        std::filesystem::create_directories(p.parent_path());
    std::ofstream(p, std::ios::binary) << text;
}

inline std::int16_t le16(const std::vector<std::uint8_t>& b, std::size_t at)
{
    return static_cast<std::int16_t>(b.at(at) | (b.at(at + 1) << 8));
}

inline void putLe16(std::vector<std::uint8_t>& b, std::size_t at, int value)
{
    b.at(at) = static_cast<std::uint8_t>(value & 0xFF);
    b.at(at + 1) = static_cast<std::uint8_t>((value >> 8) & 0xFF);
}
