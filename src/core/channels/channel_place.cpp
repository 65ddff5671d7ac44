#include "core/channels/channel_place.h"

#include "core/freq/channel_groups.h"

ChannelPlace PlaceOfChannel(int channelNo, int bandMode)
{
    for (const int group : {GetGroupOfChannel(channelNo, bandMode), Groups::BankMem}) {
        const int position = channelNo - GetGroupStart(group, bandMode);
        if (GetGroupSize(group, bandMode) > 0 && position >= 1 && position <= GetGroupSize(group, bandMode))
            return {group, position};
    }
    return {};
}
