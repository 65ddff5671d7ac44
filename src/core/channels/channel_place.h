#pragma once

// Where a channel number stands in the document's band: its group and its
// one-based position there. The memory channels of the bank bands
// belong to "MEM", not to the VFO group that the bank arithmetic gives them.
struct ChannelPlace {
    int group = -1;
    int position = 0;

    // False for a number outside every group of the band.
    bool valid() const { return group >= 0 && position >= 1; }
};

ChannelPlace PlaceOfChannel(int channelNo, int bandMode);
