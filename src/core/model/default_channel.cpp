#include "core/model/default_channel.h"

#include <cstdint>

ChannelRecord DefaultChannel(int channelNo, const std::string& code)
{
    ChannelRecord c;
    c.ChannelNo = static_cast<std::int16_t>(channelNo);
    c.Scan = 1;
    c.RxFreq = code;
    c.OffSetFre = 100;
    c.NB = 1;
    c.Public = 1;
    return c;
}
