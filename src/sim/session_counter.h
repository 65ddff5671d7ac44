#pragma once

#include "virtual_radio/virtual_radio.h"

#include <string>

// What the virtual radio did in each session (handshake to "END"), for its
// report on the terminal: the blocks read and written and the resend requests
// of that session alone, not summed over every session since the start.
class SessionCounter {
public:
    // The report of the session that has just ended, given the radio's
    // counters now; the next session counts from here.
    std::string sessionEnded(const VirtualRadioStats& totals);

private:
    VirtualRadioStats m_atStart;
};
