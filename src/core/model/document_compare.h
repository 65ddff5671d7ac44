#pragma once

class Document;

// Whether the open document differs from its baseline (the copy as last
// loaded, saved or created). The comparison stops at the first difference:
// model record, channel count, channels (matched by ChannelNo where the order
// differs), keys, options, public channel, DTMF, tone tips.
bool IsDataUnchanged(const Document& doc);
bool IsDataChanged(const Document& doc);
