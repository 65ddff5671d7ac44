#pragma once

#include "core/model/records.h"

// What a record field can hold without wrapping or going negative in its
// image byte or bits. The ranges are those of the image, not of the editors:
// whatever a radio can hand us (a key code above 20, a tone code of an odd
// radio, a DTMF length above 16) is accepted, so that a document read from a
// radio always saves and opens again.
struct FieldRange {
    int min = 0;
    int max = 0;
    constexpr bool contains(int value) const { return value >= min && value <= max; }
    // The value moved into the range.
    constexpr int fit(int value) const { return value < min ? min : (value > max ? max : value); }
};

inline constexpr FieldRange ByteRange{0, 255};
inline constexpr FieldRange FlagRange{0, 1};
inline constexpr FieldRange ChannelNoRange{1, MaxChannels};
inline constexpr FieldRange ChannelCountRange{0, MaxChannels};
inline constexpr FieldRange BandRange{0, 2};
inline constexpr FieldRange GridGroupRange{0, 11};
inline constexpr FieldRange DtmfLengthRange{0, 32767};
inline constexpr FieldRange OffsetRange{0, 32767};    // 16 bits, but the field is signed
inline constexpr FieldRange TwoBitRange{0, 3};        // DUP and Tx_Power
inline constexpr FieldRange AsqValueRange{0, 127};    // bits 0-6 beside the AsqFun bit
inline constexpr FieldRange AnyRange{-32768, 32767};  // tone codes: checked on their own
