#pragma once

#include "core/channels/channel_update.h"
#include "core/model/records.h"

#include <cstdint>
#include <set>

class Document;

// The fields of a tone tip as the tone-tip window edits them: its loop count
// and pause, and the frequency and length of each of its fourteen tones. One
// table says which values each field's list can show; the store takes only
// those and tells the observers (Scope::ToneTips) when something changed.

enum class ToneTipField { LoopCount, Interval, Frequency, Length };

// A frequency list: item 0 is the rest, then 400 .. 2550 Hz in 10 Hz steps.
inline constexpr int LowestToneFrequency = 40;  // 10 Hz units
inline constexpr int HighestToneFrequency = 255;

// The stored value of a field (tone 1..14 for the tone fields, ignored otherwise).
int ToneTipFieldValue(const ToneTip& tip, ToneTipField field, int tone = 1);

// Whether the field's list has an item for the value.
bool ToneTipFieldShows(ToneTipField field, int value);

// The frequency value of a frequency list's item, and the item that shows a
// frequency value (item 0, the rest, for a value the list lacks).
int ToneFrequencyOfItem(int item);
int ToneFrequencyItem(int value);
// Lists of the loop count, the pause and the lengths show the value at its
// own position; the item for a value they lack is the first.
int ToneTipListItem(ToneTipField field, int value);

// Stores one field of tip 1..8 (tone 1..14 for the tone fields). Refused:
// a tip, tone or value the window's lists do not offer. It does not touch
// the channels' references to the tip: see ToneTipEdits.
UpdateResult SetToneTipField(Document& doc, int tip, ToneTipField field, int tone, int value);

// The tip as its lists show it: every value a list lacks becomes 0 (a
// frequency of 10 .. 390 Hz among them, which the lists have no item for).
ToneTip ShownToneTip(const ToneTip& tip);

// Showing tip 1..8 stores it as shown (above); values the lists can show are
// never written. Announces Scope::ToneTips when something changed.
UpdateResult StoreShownToneTip(Document& doc, int tip);

// The tone-tip edits of one window. Whether a tip sounds depends on its loop
// count and the lengths of its tones only; a tone taken to length 0 on the
// way to another value must not cost the channels their tip, and a tip that
// nobody edited keeps every reference to it, whatever it holds. So only when
// the edit is committed (the window loses the focus or closes, or a save or
// transfer is about to read the records) does a tip whose loop count or a
// length was changed, and that no longer sounds, lose every channel's and the
// public channel's reference to it.
class ToneTipEdits {
public:
    // Stores the field and remembers the tip when its loop count or a
    // length changed.
    UpdateResult edit(Document& doc, int tip, ToneTipField field, int tone, int value);
    // Shows the tip (StoreShownToneTip); a loop count or length that its
    // lists could not show and that became 0 counts as edited.
    UpdateResult show(Document& doc, int tip);
    // Clears the references to every remembered tip that no longer sounds;
    // the channels and the public channel announce their own change.
    void commit(Document& doc);
    bool pending() const { return !m_edited.empty(); }

private:
    std::set<int> m_edited;
};

// Every reference of the channels and the public channel to tip 1..8
// becomes 0 (none).
void ClearToneTipRefs(Document& doc, int tip);
