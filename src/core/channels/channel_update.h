#pragma once

#include "core/channels/channel_field.h"

#include <string_view>

class Document;
class Notifier;

// The one way a channel is created, changed or deleted. Every editor (the
// channel window, the edit dialog, the memory-frequency dialog, the
// command-line tool) hands its value to SetChannelData, which converts it,
// keeps the group settings consistent and tells the document's observers
// what changed, only when something did.

enum class UpdateOutcome {
    Stored,     // the document changed
    Unchanged,  // the value was already stored
    Refused,    // nothing changed; Refusal says why
};

enum class Refusal {
    None,
    NoChannel,              // the position holds no channel, so it has no fields to set
    KeepVfoChannel,         // the VFO channel is never deleted
    KeepLastMemoryChannel,  // the memory group keeps at least one channel
    KeepLastChannel,        // the last bank channel (up to LastBankChannel) stays
    FixedFm,                // the position is FM only
    HighPowerOnAm,          // "High" power is for FM channels only
    OutOfChoices,           // a value no list of the field offers
    NotAFrequency,          // a typed frequency that is no number
    CountryFrequency,       // a country channel's frequency follows its plan
    VfoScan,                // the VFO channel is never scanned
    PublicGoverned,         // the public channel's settings apply while Public is on
    HiddenInBand,           // the radio has no such setting in this band
    NoSuchGroup,            // the group or position lies outside the band's tables
    NotOffered,             // a group setting the group does not have
    FmLocked,               // the group modulation of an FM-only emergency channel
    LastValidGroup,         // the last valid group cannot be disabled
    EmptyGroup,             // a group without channels cannot be valid
    NoCountryChannel,       // a memory channel of the CB band needs a country channel to copy
    UndefinedToneTip,       // a channel may only name a tone tip that is defined
    EmptyDtmfCode,          // a channel may only name a DTMF code slot that holds digits
};

struct UpdateResult {
    UpdateOutcome outcome = UpdateOutcome::Unchanged;
    Refusal refusal = Refusal::None;

    bool stored() const { return outcome == UpdateOutcome::Stored; }
    bool refused() const { return outcome == UpdateOutcome::Refused; }
    bool operator==(const UpdateResult&) const = default;
};

// A short English description of a refusal, for the command-line tool.
const char* RefusalText(Refusal refusal);

// Sets one field of the channel at a one-based position of a group.
// A frequency typed into an empty position creates the channel with the
// defaults of a new channel; an empty frequency deletes it, unless the
// deletion rules keep it (the VFO channel; the last memory channel; the last
// bank channel). The typed frequency is normalised first
// (clamped into the band and onto its raster, or moved onto the nearest
// country channel for a memory channel of the CB band), which may warn
// through the notifier. A frequency that is no number (ParseTypedFreq) is
// refused with a warning and changes nothing. AM is refused on FM-only positions and "High" power
// on AM channels.
UpdateResult SetChannelData(Document& doc, int group, int position, ChannelField field, std::string_view value,
                            Notifier& notifier);
// The same for a number (a list position or a clamped number).
UpdateResult SetChannelData(Document& doc, int group, int position, ChannelField field, int value, Notifier& notifier);

// The list index of the channel with the number; -1 when the list has none.
int FindChannelIndex(const Document& doc, int channelNo);
// The channel at a one-based position of a group; nullptr when there is none.
const ChannelRecord* ChannelAt(const Document& doc, int group, int position);

// Appends a channel with the defaults of a new channel and the frequency of
// the text (the VFO channel unscanned, as the radio keeps it). New
// channels are appended, not inserted in number order.
void AddChannel(Document& doc, int channelNo, std::string_view freqText);
// Removes one entry of the channel list; the later entries move down.
void RemoveChannelAt(Document& doc, int listIndex);

// Why the channel at (group, position) could not be deleted now; Refusal::None
// when it can (or holds no channel).
Refusal DeletionRefusal(const Document& doc, int group, int position);

// Group bookkeeping after the channels of a group changed.
int CountChannelsInGroup(const Document& doc, int group);
// Channels numbered up to 400 that lie outside the group.
int CountChannelsOutsideGroup(const Document& doc, int group);
// Valid groups other than the group (banks and country modes only).
int CountValidGroupsExcept(const Document& doc, int group);
// Makes the group of the first listed channel valid when no group is.
void EnsureOneGroupValid(Document& doc);
// A stored zero-based position s stays when position s + 1 of the group holds
// a channel; otherwise it becomes the lowest position of the group that holds
// a channel, minus one, or 0 when the group holds none.
int CheckChannelOffset(const Document& doc, int group, int storedValue);
// Re-checks the working, emergency and valid settings of the group.
void RefreshGroupAfterChange(Document& doc, int group);

// Every reference of the channels and the public channel to a DTMF code slot
// becomes 0 (none); used when the slot is emptied.
void ClearDtmfCodeRefs(Document& doc, int slot);
// Every tone-tip reference to a tip that would not sound (no loop, or no
// tone with a length) becomes 0.
void RecheckToneTipRefs(Document& doc);
// 0 for a tone tip reference that does not name a tip that sounds.
int CheckToneTipRef(const Document& doc, int tip);
