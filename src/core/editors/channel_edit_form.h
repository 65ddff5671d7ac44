#pragma once

#include "core/channels/channel_field.h"
#include "core/channels/channel_update.h"

#include <array>
#include <string>
#include <vector>

class Document;
class Notifier;

// What the channel edit dialog shows of one channel: the frequency and offset
// boxes and sixteen rows, each a pick list of one channel setting. The
// dialog only applies this to its widgets, so every rule about which row is
// shown, editable and selected lives here.

inline constexpr int ChannelEditRowCount = 16;

// The dialog's rows by number: the field each row edits and whether it hands
// the picked item's text to the update (the tone-tip and DTMF rows, whose
// items are numbers with gaps) or its list position (all the others).
struct ChannelEditRowInfo {
    ChannelField field;
    bool handsItemText;
};
const std::array<ChannelEditRowInfo, ChannelEditRowCount>& ChannelEditRows();

// The row of a field; -1 for the frequency and the offset, which are boxes.
int ChannelEditRowOf(ChannelField field);

struct ChannelEditRowState {
    bool shown = true;
    bool enabled = false;
    std::vector<std::string> items;
    int selected = -1;  // -1: nothing selected
};

struct ChannelEditForm {
    bool exists = false;          // the position holds a channel
    std::string freqText;         // the shown frequency, empty for an empty position
    bool freqEnabled = false;     // typed only in bands "HF" and "HAM"
    bool memButtonShown = false;  // the ">" of a memory channel of the CB band
    bool narrowFreq = false;      // the "MEM" group's box leaves room for ">"
    std::string offsetText;
    bool offsetShown = true;
    bool offsetEnabled = false;
    std::array<ChannelEditRowState, ChannelEditRowCount> rows;
};

// The form of the channel at a one-based position of a group. A position
// without a channel shows an empty frequency and disabled rows without a
// selection; a channel with Public on keeps only its frequency, scan, tone
// squelch and the two tone codes editable; FM-only positions lock the
// modulation; an AM channel offers two power levels (a stored "High" shows
// as the second); a tone tip or DTMF slot that is not defined shows the
// first item.
ChannelEditForm ShowChannelEditForm(const Document& doc, int group, int position);

// The rows that exist in the band at all (the 5 kHz shift never; the shift
// direction and the power not in "CB"); the dialog lays out only these. The
// Scan row of the VFO is hidden by the form, in its place.
bool IsChannelEditRowInBand(int row, int bandMode);
bool IsOffsetInBand(int bandMode);

// A stored AM on an FM-only position becomes FM through the update path, so
// that the change is announced and saved; Unchanged when nothing was to do.
UpdateResult ApplyFixedFm(Document& doc, int group, int position, Notifier& notifier);
