#include "core/channels/channels_in_order.h"

#include "core/model/document.h"

#include <algorithm>

std::vector<const ChannelRecord*> ChannelsInNumberOrder(const Document& doc)
{
    std::vector<const ChannelRecord*> channels;
    for (int i = 0; i < std::clamp<int>(doc.ChannelCount, 0, MaxChannels); ++i)
        channels.push_back(&doc.ChannelList[static_cast<std::size_t>(i)]);
    std::stable_sort(channels.begin(), channels.end(),
                     [](const ChannelRecord* a, const ChannelRecord* b) { return a->ChannelNo < b->ChannelNo; });
    return channels;
}
