#pragma once

#include "core/model/document.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

// The byte layout of a "*.dat" data file: the 1071-byte document record
// (model, channel count, options, public channel, keys, DTMF, tone tips),
// then all MaxChannels channel entries of 60 bytes. Integers are signed 16-bit
// little-endian, fixed texts are their Latin-1 bytes padded with spaces.
// There is no magic number, length or checksum.
namespace DataFileFormat {

constexpr std::size_t RecordSize = 1071;
constexpr std::size_t ChannelSize = 60;
constexpr std::size_t FileSize = RecordSize + ChannelSize * MaxChannels;  // 25611

// Offsets of the parts of the document record.
constexpr std::size_t ModelAt = 0;  // fixed 7
constexpr std::size_t BandAt = 7;
constexpr std::size_t VersionAt = 9;  // fixed 4
constexpr std::size_t ChannelCountAt = 13;
constexpr std::size_t OptFeatAt = 15;  // 158 bytes
constexpr std::size_t PublicAt = 173;  // a channel record
constexpr std::size_t KeysAt = 233;    // 38 bytes
constexpr std::size_t DtmfAt = 271;    // 320 bytes
constexpr std::size_t TipsAt = 591;    // 480 bytes

constexpr std::size_t ModelWidth = 7;
constexpr std::size_t VersionWidth = 4;
constexpr std::size_t FreqWidth = 8;
constexpr std::size_t DigitsWidth = 16;

}  // namespace DataFileFormat

struct DataFileContents {
    DocumentRecord Record;
    std::array<ChannelRecord, MaxChannels> Channels{};
};

// The bytes of a data file.
std::vector<std::uint8_t> WriteDataFileBytes(const DocumentRecord& record,
                                             const std::array<ChannelRecord, MaxChannels>& channels);

// The records of a data file; nothing unless the bytes are exactly one file long.
std::optional<DataFileContents> ReadDataFileBytes(const std::vector<std::uint8_t>& bytes);
