// The transfer engine's timers: silence after a request, the retries it
// allows, and the questions put when they are used up.
#include "core/link/transfer_engine.h"

#include "core/base/lang_texts.h"
#include "core/base/numeric_text.h"
#include "lang_text_ids.h"
#include "core/model/document.h"

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
        if (takeLateBytes())
            return;  // they completed a reply, which decided the step
        // More than the echo of the request came: part of a reply, cut
        // short, or noise. (The echo comes from the cable, not the radio.)
        if (m_received.size() > m_echoLength)
            m_heardBadReply = true;
        if (m_kind == TransferKind::ReadInfo)
            replyTimeoutInfo();
        else
            replyTimeout();
        return;
    }
}

// The port hands over bytes only once a whole reply's worth has come; the
// part of a reply that came is fetched before the silence is judged. True when
// those bytes made a frame and the engine moved on.
bool TransferEngine::takeLateBytes()
{
    const std::vector<std::uint8_t> late = m_host.takeBufferedBytes();
    if (late.empty())
        return false;
    const int generation = m_generation;
    const int requests = m_requestsSent;
    bytesReceived(late);
    return generation != m_generation || requests != m_requestsSent || m_kind == TransferKind::Idle;
}

int TransferEngine::blockIndex() const
{
    return static_cast<int>(RoundHalfEven(static_cast<double>(m_blockAddress) / LinkProtocol::BlockLength));
}

void TransferEngine::replyTimeout()
{
    switch (m_phase) {
    case TransferPhase::Handshake:
        if (!retryHandshake())
            AskRestart(silenceReason());
        return;
    case TransferPhase::Identify:
        AskRestart(silenceReason());
        return;
    case TransferPhase::Password:
        if (--m_infoRetries > 0)
            SendInfoRequest();
        else
            AskRestart(silenceReason());
        return;
    case TransferPhase::Blocks:
        if (!retryBlock())
            AskRestart(silenceReason());
        return;
    case TransferPhase::Ending:
        // A missing acknowledgement of "END" still counts as success.
        EndTransfer(true);
        return;
    case TransferPhase::Idle:
        return;
    }
}

// Repeats the current block request while the block has retries left.
bool TransferEngine::retryBlock()
{
    const int k = blockIndex();
    if (k < 0 || k >= static_cast<int>(m_blockRetries.size()) || m_blockRetries[static_cast<std::size_t>(k)] < 1)
        return false;
    --m_blockRetries[static_cast<std::size_t>(k)];
    repeatBlockRequest();
    return true;
}

// Why the radio's answer is missing: nothing came at all, or only bytes that
// were no acceptable reply (a bad checksum, noise, a frame cut short).
LinkError TransferEngine::silenceReason() const
{
    if (m_heardBadReply)
        return LinkError::make(LinkErrorKind::ProtocolViolation, LinkErrorDetail::BadReplies);
    return LinkError::make(LinkErrorKind::TimedOut);
}

// The restart and retry questions say what went wrong.
int TransferEngine::stallQuestionText(const LinkError& reason)
{
    switch (reason.detail) {
    case LinkErrorDetail::BadReplies:
        return Txt::DamagedRepliesQuestion;
    case LinkErrorDetail::EndlessResend:
        return Txt::EndlessResendQuestion;
    default:
        return Txt::RadioNoAnswer;
    }
}

bool TransferEngine::retryHandshake()
{
    if (++m_handshakeTries > LinkProtocol::MaxHandshakeTries)
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
    else
        sendBlockRequest();
}

void TransferEngine::replyTimeoutInfo()
{
    switch (m_phase) {
    case TransferPhase::Handshake:
        if (!retryHandshake())
            AskRetry(silenceReason());
        return;
    case TransferPhase::Blocks:
        // Each block of the area gets the retries of an image block.
        if (!retryBlock())
            AskRetry(silenceReason());
        return;
    case TransferPhase::Ending:
        // Every block arrived; only the acknowledgement of "END" is missing.
        // The port must not stay open.
        EndTransfer(true);
        return;
    default:
        AskRetry(silenceReason());
        return;
    }
}

void TransferEngine::AskRestart(const LinkError& reason)
{
    m_awaitingReply = false;
    m_handshakeTries = 0;
    m_infoRetries = LinkProtocol::BlockRetries;
    m_host.stopTimer(LinkTimer::Reply);
    const int generation = m_generation;
    m_questionOpen = true;
    const NoticeAnswer answer = m_host.ask(LinkQuestion::Restart, GetLangText(stallQuestionText(reason)),
                                           NoticeButtons::OkCancel, NoticeIcon::Question);
    m_questionOpen = false;
    if (generation != m_generation)
        return;  // the transfer ended meanwhile (the device went away)
    if (answer == NoticeAnswer::Ok) {
        // Start over from the handshake; the blocks' retries keep their counts.
        m_blockAddress = beforeFirstBlock();
        m_resends = 0;
        m_heardBadReply = false;
        m_progressShown = 0;
        if (m_progressVisible)
            m_host.setProgress(0);
        StartHandshake();
        return;
    }
    sendEndWithoutWaiting();
    EndTransfer(false, reason);
}

void TransferEngine::AskRetry(const LinkError& reason)
{
    m_awaitingReply = false;
    m_host.stopTimer(LinkTimer::Reply);
    const int generation = m_generation;
    m_questionOpen = true;
    const NoticeAnswer answer = m_host.ask(LinkQuestion::Retry, GetLangText(stallQuestionText(reason)),
                                           NoticeButtons::RetryCancel, NoticeIcon::Question);
    m_questionOpen = false;
    if (generation != m_generation)
        return;
    if (answer == NoticeAnswer::Retry || answer == NoticeAnswer::Ok) {
        // The whole area again from its first block: a half-read area must
        // never pass for a complete one. The handshake tries are not given
        // back: a silent radio gets one handshake per answer, not four.
        m_blockAddress = beforeFirstBlock();
        m_doc.InfoBlock.clear();
        m_heardBadReply = false;
        StartHandshake();
        return;
    }
    sendEndWithoutWaiting();
    EndTransfer(false, reason);
}
