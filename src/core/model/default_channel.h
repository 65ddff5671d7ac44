#pragma once

#include "core/model/records.h"

#include <string>

// A new channel as the program makes it: scanned, offset 100, noise blanker
// and public channel data on, every other setting off.
ChannelRecord DefaultChannel(int channelNo, const std::string& code);
