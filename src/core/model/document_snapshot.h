#pragma once

#include "core/model/document.h"

#include <array>

// The records of the document that a user edits, as one value: what an undo
// step holds before and after. The group the channel window shows is left
// out: showing another group is no edit, and undo leaves the shown group as
// it is.
struct DocumentSnapshot {
    DocumentRecord Record;
    std::array<ChannelRecord, MaxChannels> Channels{};

    bool operator==(const DocumentSnapshot&) const = default;
};

DocumentSnapshot TakeSnapshot(const Document& doc);

// Puts back the parts of the document (the channels, the options with the
// group settings, the public channel, DTMF, keys, tone tips) in which the
// target differs from the other snapshot, leaving the rest as the document
// has it, and tells the observers each part that changed, so that every open
// window refreshes.
void RestoreChangedParts(Document& doc, const DocumentSnapshot& target, const DocumentSnapshot& other);
