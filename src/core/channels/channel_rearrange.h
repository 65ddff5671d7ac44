#pragma once

class Document;

// Deleting, inserting and moving channels within a group, on a run of
// selected positions. Insert and move are document operations of their own
// rather than deletes and re-adds through the update path: they renumber the
// channels they move, keep every field, and carry the group's working
// channel, emergency channels and the memory group's working channel along,
// so that those keep pointing at the same channels.

// Insert, delete and move are offered in the memory group and in every group
// of the bands "HF" and "HAM"; a country group of the CB band is a fixed
// channel plan.
bool CanRearrangeChannels(const Document& doc, int group);

struct DeleteSummary {
    int deleted = 0;
    int kept = 0;  // channels the deletion rules keep (the last memory channel, the VFO channel, ...)
    bool operator==(const DeleteSummary&) const = default;
};

// Clears positions first..first+count-1 through the update path, as one
// undo step.
DeleteSummary DeleteChannels(Document& doc, int group, int firstPosition, int count);

enum class RearrangeOutcome {
    Done,
    NotHere,           // the group does not allow it (CanRearrangeChannels)
    LastPositionFull,  // insert: the channel at the group's last position has nowhere to go
    AtEdge,            // move: no neighbour on that side
};

// Opens an empty position at the position: the channels from there to the
// end of the group move down by one.
RearrangeOutcome InsertChannelAt(Document& doc, int group, int position);

// Moves the run of positions first..first+count-1 up (-1) or down (+1) by
// one; the neighbour takes the place the run left. A single position swaps
// with its neighbour.
RearrangeOutcome MoveChannels(Document& doc, int group, int firstPosition, int count, int direction);
