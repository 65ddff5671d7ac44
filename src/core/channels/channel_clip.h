#pragma once

#include "core/model/records.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

class Document;

// Channels copied from consecutive positions of a group, for Paste: every
// field of each channel, or nothing for a position that held none.
struct ChannelClip {
    int bandMode = 0;
    std::vector<std::optional<ChannelRecord>> rows;

    int channelCount() const;
    bool operator==(const ChannelClip&) const = default;
};

// The positions first..first+count-1 of the group (clipped to the group).
ChannelClip CopyChannels(const Document& doc, int group, int firstPosition, int count);

// The clip as the program's own clipboard text: a first line that names the
// format and the band, then one line per position, "-" for an empty one and
// otherwise the fields as name=value separated by ";".
std::string ClipToText(const ChannelClip& clip);
// Reads that text back; nothing when it is not such a text or a value does
// not fit its field.
std::optional<ChannelClip> ClipFromText(std::string_view text);

// Reads the tab-separated table that Copy also puts on the clipboard, as it
// comes back from a text editor or a spreadsheet: an optional header row,
// then one row per position with the position, the frequency in MHz (a
// decimal comma is read as the point), Public, tone squelch, Scan and the
// two tones as the program shows them. A row with only its position (or an
// empty frequency) is an empty position; missing trailing cells keep what
// the target channel holds (a new channel's defaults). The rows are pasted
// from firstPosition of the group on, in order. Nothing when a row is not
// such a row.
std::optional<ChannelClip> ClipFromTable(const Document& doc, int group, int firstPosition, std::string_view text);
