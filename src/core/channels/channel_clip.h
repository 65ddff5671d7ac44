#pragma once

#include "model/records.h"

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
