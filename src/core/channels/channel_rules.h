#pragma once

#include "core/channels/channel_update.h"

#include <string>
#include <vector>

class Document;

// The rules by which the editors offer or lock a channel's fields. The
// windows grey out or hide what these lock; the command-line tool and paste
// refuse it with the same reason.

// The CB band's FM-only positions: every channel of "CE" and "UK", and "DE"
// positions 41..80.
bool IsFixFM(int position, int group, int bandMode);

// True for a channel setting the radio does not have in the band: the 5 kHz
// shift in every band, and the shift, offset and power in the CB band.
bool IsHiddenInBand(ChannelField field, int bandMode);

// True for the VFO group (bands "HF" and "HAM").
bool IsVfoGroup(int group, int bandMode);

// Why an editor would not let the user change this field of the channel at
// (group, position) now: the country channels' frequencies follow their
// plans, the VFO is never scanned, the public channel's settings govern a
// channel with Public on, and the band has no shift, offset or power
// settings in "CB" and no 5 kHz shift at all. Refusal::None when it would.
Refusal ChannelFieldLock(const Document& doc, int group, int position, ChannelField field);

// Whether a channel may name this tone tip (RBTone) or DTMF code slot
// (DTMF_BOT, DTMF_EOT, DTMF_Call): the windows offer only the tips that are
// defined and the slots that hold digits, so a reference to anything else
// would be a channel the radio cannot serve. 0 (none) is always allowed;
// other fields and values out of range are left to the update path.
Refusal ChannelReferenceRefusal(const Document& doc, ChannelField field, int value);

// The one-based positions of the group that hold a channel, ascending, as
// the group settings lists offer them.
std::vector<int> ChannelPositionsInGroup(const Document& doc, int group);
