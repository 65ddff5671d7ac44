#pragma once

#include "core/model/field_range.h"
#include "core/model/record_fields.h"
#include "core/model/records.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>

struct DocumentRecord;

// The checks of a document's fields against their ranges. One field table per
// record (record_fields.h) serves the data-file check, the encoder and the
// decoder, so no value reaches an image unchecked.

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

// The structure of a document: the channel count 0..MaxChannels and, in the
// used entries, channel numbers 1..MaxChannels without repeats.
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
