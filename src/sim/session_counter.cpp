#include "session_counter.h"

std::string SessionCounter::sessionEnded(const VirtualRadioStats& totals)
{
    const int read = totals.blocksRead - m_atStart.blocksRead;
    const int written = totals.blocksWritten - m_atStart.blocksWritten;
    const int resends = totals.resendsSent - m_atStart.resendsSent;
    m_atStart = totals;
    return "session " + std::to_string(totals.sessions) + " ended (" + std::to_string(read) + " blocks read, "
        + std::to_string(written) + " written, " + std::to_string(resends) + " resend requests)";
}
