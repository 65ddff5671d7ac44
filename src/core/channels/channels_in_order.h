#pragma once

#include <vector>

class Document;
struct ChannelRecord;

// The used entries of the document's channel list in channel-number order
// (the list itself keeps new channels at its end).
std::vector<const ChannelRecord*> ChannelsInNumberOrder(const Document& doc);
