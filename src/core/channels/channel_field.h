#pragma once

#include "core/model/channel_fields.h"
#include "core/model/records.h"

#include <string_view>

class Document;

// Stores one field as an editor hands it over: the frequency text becomes a
// frequency code; the offset, the tone tip and the DTMF slots are clamped
// into their ranges (a text that is no number takes the default); the other
// fields take the number as it is. Choosing AM lowers a power above 1 to 1.
void SetChannelField(ChannelRecord& record, ChannelField field, std::string_view value, const Document& doc);
