#pragma once

#include "model/records.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>

struct DocumentRecord;

// What each record field can hold without wrapping or going negative in its
// image byte or bits. One table serves the data-file check and the encoder,
// so no value reaches an image unchecked. The ranges are those of the image,
// not of the editors: whatever a radio can hand us (a key code above 20, a
// tone code of an odd radio, a DTMF length above 16) is accepted, so that a
// document read from a radio always saves and opens again.

struct FieldRange {
    int min = 0;
    int max = 0;
    bool contains(int value) const { return value >= min && value <= max; }
    // The value moved into the range.
    int fit(int value) const { return value < min ? min : (value > max ? max : value); }
};

inline constexpr FieldRange ByteRange{0, 255};
inline constexpr FieldRange FlagRange{0, 1};
inline constexpr FieldRange ChannelNoRange{1, MaxChannels};
inline constexpr FieldRange ChannelCountRange{0, MaxChannels};
inline constexpr FieldRange BandRange{0, 2};
inline constexpr FieldRange GridGroupRange{0, 11};
inline constexpr FieldRange DtmfLengthRange{0, 32767};
inline constexpr FieldRange OffsetRange{0, 32767};   // 16 bits, but the field is signed
inline constexpr FieldRange TwoBitRange{0, 3};       // DUP and Tx_Power
inline constexpr FieldRange AsqValueRange{0, 127};   // bits 0-6 beside the AsqFun bit

template <typename Record>
struct IntField {
    const char* name;
    std::int16_t Record::*member;
    FieldRange range;
};

// ChannelRecord fields OffSetFre .. TSQ, in record (and data-file) order.
// RDCT and TDCT are tone codes: their range is checked with IsEncodableToneCode.
const std::array<IntField<ChannelRecord>, 16>& ChannelSlotFields();

// OptFeatRecord scalars in record order: GridGroup, UseMemChannel, UseVfo,
// Value1B, then Beep .. MaxSwr.
const std::array<IntField<OptFeatRecord>, 21>& OptFeatScalarFields();

// The six DTMF settings in record order.
const std::array<IntField<DtmfSettings>, 6>& DtmfSettingFields();

// True for a tone code that the image can hold and that reads back as itself.
bool IsEncodableToneCode(int code);

// True for a frequency code the encoder can store: empty, "FFFFFFFF", or up
// to eight upper-case hexadecimal digits (cut at NUL, trailing blanks removed).
bool IsEncodableFreqCode(const std::string& code);

// True for a DTMF digit text the encoder can store: "0".."9", "A".."F", "*",
// "#" in the first min(Length, 16) characters after trailing blanks are removed.
bool IsEncodableDtmfCode(const DtmfCode& code);

// The first field of a channel entry (OffSetFre .. TSQ, frequency included
// unless skipped) that does not fit; nothing when all fit. The name is
// "<field> = <value>".
std::optional<std::string> ChannelFieldProblem(const ChannelRecord& channel, bool withFrequency);

// The structure of a document: the channel count 0..409 and, in the used
// entries, channel numbers 1..409 without repeats.
std::optional<std::string> FindStructureProblem(const DocumentRecord& record,
                                                const std::array<ChannelRecord, MaxChannels>& channels);

// The fields of a document other than its structure and band: the used
// channel entries, the options, the public channel, keys, DTMF and tone tips.
std::optional<std::string> FindContentProblem(const DocumentRecord& record,
                                              const std::array<ChannelRecord, MaxChannels>& channels);

// Structure, band (0..2) and content together: the first field that no image
// or file can hold, described as "<record>.<field> = <value>"; nothing when
// every field fits.
std::optional<std::string> FindFieldProblem(const DocumentRecord& record,
                                            const std::array<ChannelRecord, MaxChannels>& channels);
