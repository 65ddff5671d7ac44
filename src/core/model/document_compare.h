#pragma once

#include "core/model/records.h"

#include <array>
#include <string>
#include <vector>

class Document;
struct DocumentRecord;

// Whether the open document differs from its baseline (the copy as last
// loaded, saved or created). The comparison stops at the first difference:
// model record, channel count, channels (matched by ChannelNo where the order
// differs), keys, options, public channel, DTMF, tone tips.
bool IsDataUnchanged(const Document& doc);
bool IsDataChanged(const Document& doc);

// One field that differs: its name ("ChannelList[ChannelNo 5].RxFreq"), the
// saved value and the current value as text ("-" when the entry is missing).
struct FieldDifference {
    std::string field;
    std::string saved;
    std::string current;
};

// The differences between a saved document and a current one, field by field
// in the order of the comparison above. Fixed texts are compared cut at their
// first NUL and without trailing spaces. With firstOnly the list stops at the
// first difference. Unlike the yes/no question, the full list goes on past a
// differing channel count: channels are then matched by ChannelNo, and those
// present on one side only are listed as missing on the other.
std::vector<FieldDifference> ListDifferences(const DocumentRecord& savedRecord,
                                             const std::array<ChannelRecord, MaxChannels>& savedChannels,
                                             const DocumentRecord& record,
                                             const std::array<ChannelRecord, MaxChannels>& channels,
                                             bool firstOnly = false);
