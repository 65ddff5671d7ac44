// The transfer engine's timers: silence after a request, the retries it
// allows, and the questions put when they are used up.
#include "link/transfer_engine.h"

#include "app/lang_texts.h"
#include "model/document.h"

#include <cmath>

namespace {

constexpr int InfoFirstBlockMinusOne = LinkProtocol::InfoStartAddress - 16;   // 0x3DF0

int roundHalfEven(double value) { return static_cast<int>(std::nearbyint(value)); }

}  // namespace

void TransferEngine::timerExpired(LinkTimer timer)
{
    switch (timer) {
    case LinkTimer::WaitSaveData:
        writeStartTick();
        return;
    case LinkTimer::ReadOK:
        readOkTick();
        return;
    case LinkTimer::Reply:
        m_host.stopTimer(LinkTimer::Reply);
        if (m_kind == TransferKind::Idle || m_questionOpen)
            return;
        if (m_kind == TransferKind::ReadInfo)
            replyTimeoutInfo();
        else
            replyTimeout();
        return;
    }
}

int TransferEngine::blockIndex() const
{
    return roundHalfEven(static_cast<double>(m_blockAddress) / m_blockLength);
}

void TransferEngine::replyTimeout()
{
    const int state = m_kind == TransferKind::WriteImage ? m_writeState : m_readState;
    switch (state) {
    case 1:
        if (!retryHandshake())
            AskRestart();
        return;
    case 2:
        AskRestart();
        return;
    case 3:
        if (--m_infoRetries > 0)
            SendInfoRequest();
        else
            AskRestart();
        return;
    case 4:
    case 5: {
        const int k = blockIndex();
        if (k < 0 || k >= static_cast<int>(m_blockRetries.size()) || m_blockRetries[static_cast<std::size_t>(k)] < 1) {
            AskRestart();
            return;
        }
        --m_blockRetries[static_cast<std::size_t>(k)];
        repeatBlockRequest();
        return;
    }
    case 69:
        // A missing acknowledgement of "END" still counts as success.
        EndTransfer(true);
        return;
    default:
        return;
    }
}

bool TransferEngine::retryHandshake()
{
    if (++m_handshakeTries > MaxHandshakeTries)
        return false;
    // A silent radio may be one whose cable does not echo (or one that
    // does): the next handshake tries the other echo setting.
    m_echoExpected = !m_echoExpected;
    SendHandshake();
    return true;
}

void TransferEngine::repeatBlockRequest()
{
    if (m_blockAddress >= m_endAddress)
        SendEnd();
    else if (m_kind == TransferKind::WriteImage)
        SendWriteBlock();
    else
        SendReadRequest();
}

void TransferEngine::replyTimeoutInfo()
{
    switch (m_readState) {
    case 1:
        if (!retryHandshake())
            AskRetry();
        return;
    case 69:
        // Every block arrived; only the acknowledgement of "END" is missing.
        // The port must not stay open.
        EndTransfer(true);
        return;
    default:
        AskRetry();
        return;
    }
}

void TransferEngine::AskRestart()
{
    m_awaitingReply = false;
    m_handshakeTries = 0;
    m_infoRetries = InitialRetries;
    m_host.stopTimer(LinkTimer::Reply);
    const int generation = m_generation;
    m_questionOpen = true;
    const NoticeAnswer answer = m_host.ask(LinkQuestion::Restart, GetLangText(9008), NoticeButtons::OkCancel,
                                           NoticeIcon::Question);
    m_questionOpen = false;
    if (generation != m_generation)
        return;   // the transfer ended meanwhile (the device went away)
    if (answer == NoticeAnswer::Ok) {
        // Start over from the handshake; the blocks' retries keep their counts.
        m_blockAddress = -m_blockLength;
        m_resends = 0;
        m_progressShown = 0;
        if (m_progressVisible)
            m_host.setProgress(0);
        m_stallReason = LinkError::make(LinkErrorKind::TimedOut);
        StartHandshake();
        return;
    }
    sendEndWithoutWaiting();
    EndTransfer(false, m_stallReason);
}

void TransferEngine::AskRetry()
{
    m_awaitingReply = false;
    m_host.stopTimer(LinkTimer::Reply);
    const int generation = m_generation;
    m_questionOpen = true;
    const NoticeAnswer answer = m_host.ask(LinkQuestion::Retry, GetLangText(9008), NoticeButtons::RetryCancel,
                                           NoticeIcon::Question);
    m_questionOpen = false;
    if (generation != m_generation)
        return;
    if (answer == NoticeAnswer::Retry || answer == NoticeAnswer::Ok) {
        // The whole area again from its first block: a half-read area must
        // never pass for a complete one.
        m_blockAddress = InfoFirstBlockMinusOne;
        m_doc.InfoBlock.clear();
        m_handshakeTries = 0;
        StartHandshake();
        return;
    }
    sendEndWithoutWaiting();
    EndTransfer(false, LinkError::make(LinkErrorKind::TimedOut));
}

