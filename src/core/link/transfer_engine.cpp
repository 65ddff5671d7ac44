#include "core/link/transfer_engine.h"

#include "core/base/lang_texts.h"
#include "core/base/numeric_text.h"
#include "lang_text_ids.h"
#include "core/model/document.h"
#include "core/model/image_codec.h"
#include "core/model/radio_info.h"

namespace {

constexpr int BlockLength = static_cast<int>(LinkProtocol::BlockLength);

int roundedHalfEven(double value)
{
    return static_cast<int>(RoundHalfEven(value));
}

}  // namespace

TransferEngine::TransferEngine(Document& doc, TransferHost& host) : m_doc(doc), m_host(host) {}

int TransferEngine::blockRetries(int blockIndex) const
{
    if (blockIndex < 0 || blockIndex >= static_cast<int>(m_blockRetries.size()))
        return 0;
    return m_blockRetries[static_cast<std::size_t>(blockIndex)];
}

// ---------------------------------------------------------------- commands

bool TransferEngine::startRead()
{
    if (!beginTransfer(TransferKind::ReadImage))
        return false;
    m_host.closePort();
    if (m_confirmStart && !confirm(LinkQuestion::ConfirmRead, Txt::ConfirmRead)) {
        m_host.closePort();
        m_kind = TransferKind::Idle;
        m_lastOutcome = {TransferKind::ReadImage, LinkError::make(LinkErrorKind::RefusedByUser)};
        return false;
    }
    m_doc.Image.clear();
    launchImageTransfer();
    return true;
}

bool TransferEngine::startWrite()
{
    if (busy()) {
        m_host.showMessage(GetLangText(Txt::TransferRunning), NoticeIcon::Warning);
        return false;
    }
    m_writePending = true;
    m_host.startTimer(LinkTimer::WaitSaveData, m_timings.waitSaveDataMs);
    return true;
}

void TransferEngine::writeStartTick()
{
    m_host.stopTimer(LinkTimer::WaitSaveData);
    if (!m_writePending)
        return;
    m_writePending = false;
    if (busy()) {
        m_host.showMessage(GetLangText(Txt::TransferRunning), NoticeIcon::Warning);
        return;
    }
    if (!beginTransfer(TransferKind::WriteImage)) {
        m_host.transferEnded(m_lastOutcome);  // the port would not open
        return;
    }
    m_host.closePort();
    if (m_confirmStart && !confirm(LinkQuestion::ConfirmWrite, Txt::ConfirmWrite)) {
        m_host.closePort();
        m_kind = TransferKind::Idle;
        m_lastOutcome = {TransferKind::WriteImage, LinkError::make(LinkErrorKind::RefusedByUser)};
        m_host.transferEnded(m_lastOutcome);
        return;
    }
    m_doc.Image.clear();
    EncodeImage(m_doc);
    launchImageTransfer();
}

bool TransferEngine::startInfoRead()
{
    if (!beginTransfer(TransferKind::ReadInfo))
        return false;
    m_doc.InfoBlock.clear();
    m_handshakeTries = 0;
    StartHandshake();
    return true;
}

void TransferEngine::cancel()
{
    if (m_writePending) {
        m_writePending = false;
        m_host.stopTimer(LinkTimer::WaitSaveData);
        m_lastOutcome = {TransferKind::WriteImage, LinkError::make(LinkErrorKind::RefusedByUser)};
        m_host.transferEnded(m_lastOutcome);
        return;
    }
    if (m_kind == TransferKind::Idle)
        return;
    sendEndWithoutWaiting();
    EndTransfer(false, LinkError::make(LinkErrorKind::RefusedByUser));
}

// Sets up a transfer of the kind and opens the port; on failure the engine
// is idle again and the outcome tells why.
bool TransferEngine::beginTransfer(TransferKind kind)
{
    if (busy()) {
        m_host.showMessage(GetLangText(Txt::TransferRunning), NoticeIcon::Warning);
        return false;
    }
    m_kind = kind;
    m_phase = TransferPhase::Idle;
    if (!PrepareTransfer()) {
        m_kind = TransferKind::Idle;
        return false;
    }
    return true;
}

bool TransferEngine::PrepareTransfer()
{
    m_endAddress = m_kind == TransferKind::ReadInfo ? LinkProtocol::InfoEndAddress : LinkProtocol::ImageEndAddress;
    m_blockAddress = beforeFirstBlock();
    m_progressShown = 0;
    m_host.stopTimer(LinkTimer::Reply);
    m_infoRetries = LinkProtocol::BlockRetries;
    const int lastIndex = roundedHalfEven(static_cast<double>(m_endAddress) / BlockLength);
    m_blockRetries.assign(static_cast<std::size_t>(lastIndex + 1), LinkProtocol::BlockRetries);
    m_resends = 0;
    m_blocksSent = 0;
    m_heardBadReply = false;
    return OpenCommPort();
}

bool TransferEngine::OpenCommPort()
{
    if (m_host.portIsOpen())
        m_host.closePort();
    const LinkError error = m_host.openPort();
    if (error.ok())
        return true;
    std::string text = GetLangText(Txt::PortOpenFailed);
    const std::string reason = DescribeLinkError(error);
    if (!reason.empty())
        text += "\r\n\r\n" + reason;
    m_host.showMessage(text, NoticeIcon::Error);
    m_lastOutcome = {m_kind, error};
    return false;
}

bool TransferEngine::confirm(LinkQuestion question, int textNumber)
{
    m_questionOpen = true;
    const NoticeAnswer answer = m_host.ask(question, GetLangText(textNumber), NoticeButtons::OkCancel,
                                           NoticeIcon::Question);
    m_questionOpen = false;
    return answer == NoticeAnswer::Ok;
}

// The progress window's load: it opens the port if closed and starts the handshake.
void TransferEngine::launchImageTransfer()
{
    m_host.showProgress(m_kind);
    m_progressVisible = true;
    m_host.setProgress(0);
    if (!m_host.portIsOpen() && !OpenCommPort()) {
        EndTransfer(false, m_lastOutcome.error);
        return;
    }
    m_handshakeTries = 0;
    StartHandshake();
}

void TransferEngine::StartHandshake()
{
    m_phase = TransferPhase::Handshake;
    m_awaitingReply = true;
    SendHandshake();
}

int TransferEngine::beforeFirstBlock() const
{
    const int first = m_kind == TransferKind::ReadInfo ? LinkProtocol::InfoStartAddress : 0;
    return first - BlockLength;
}

// ---------------------------------------------------------------- senders

int TransferEngine::echoLength(std::size_t requestLength) const
{
    return m_echoExpected ? static_cast<int>(requestLength) : 0;
}

void TransferEngine::send(const Bytes& request, std::size_t replyLength)
{
    m_host.flushPort();
    m_received.clear();
    m_request = request;
    ++m_requestsSent;
    m_echoLength = static_cast<std::size_t>(echoLength(request.size()));
    m_threshold = m_echoLength + replyLength;
    m_host.setReceiveThreshold(m_threshold);
    m_host.startTimer(LinkTimer::Reply, m_timings.replyMs);
    m_host.sendBytes(request);
}

void TransferEngine::SendHandshake()
{
    send(LinkProtocol::handshakeRequest(), LinkProtocol::HandshakeReplyLength);
}

void TransferEngine::SendIdentify()
{
    send(LinkProtocol::identifyRequest(), LinkProtocol::IdentReplyLength);
}

void TransferEngine::SendReadRequest()
{
    send(LinkProtocol::readRequest(m_blockAddress, LinkProtocol::BlockLength),
         LinkProtocol::BlockLength + LinkProtocol::DataFrameOverhead);
}

void TransferEngine::SendInfoRequest()
{
    send(LinkProtocol::readRequest(LinkProtocol::PasswordBlockAddress, LinkProtocol::BlockLength),
         LinkProtocol::BlockLength + LinkProtocol::DataFrameOverhead);
}

void TransferEngine::SendWriteBlock()
{
    showBlockProgress();
    ++m_blocksSent;
    send(LinkProtocol::writeFrame(m_blockAddress, m_doc.Image.data() + m_blockAddress), 1);
}

void TransferEngine::SendEnd()
{
    send(LinkProtocol::endRequest(), 1);
}

void TransferEngine::sendEndWithoutWaiting()
{
    m_awaitingReply = false;
    m_host.stopTimer(LinkTimer::Reply);
    if (!m_host.portIsOpen())
        return;
    m_host.flushPort();
    m_host.sendBytes(LinkProtocol::endRequest());
}

void TransferEngine::showBlockProgress()
{
    if (m_kind == TransferKind::ReadInfo || !m_progressVisible)
        return;
    const int p = roundedHalfEven(static_cast<double>(m_blockAddress) * 100.0 / m_endAddress);
    if (p > m_progressShown) {
        m_progressShown = p;
        m_host.setProgress(p);
    }
}

void TransferEngine::portFailed(const LinkError& error)
{
    if (m_kind == TransferKind::Idle)
        return;
    // After "END" every block has crossed the line; a device that goes away
    // now is no worse than an acknowledgement that never came.
    if (m_phase == TransferPhase::Ending && !m_questionOpen) {
        EndTransfer(true);
        return;
    }
    EndTransfer(false, error);
}

// ---------------------------------------------------------------- the end

void TransferEngine::EndTransfer(bool ok, const LinkError& error)
{
    const TransferKind kind = m_kind;
    m_awaitingReply = false;
    m_handshakeTries = 0;
    m_infoRetries = LinkProtocol::BlockRetries;
    m_blockRetries.clear();
    m_resends = 0;
    m_received.clear();
    m_host.stopTimer(LinkTimer::Reply);
    if (m_host.portIsOpen())
        m_host.closePort();
    if (m_progressVisible) {
        m_host.hideProgress();
        m_progressVisible = false;
    }
    ++m_generation;
    m_kind = TransferKind::Idle;
    m_phase = TransferPhase::Idle;

    TransferOutcome outcome;
    outcome.kind = kind;
    outcome.error = ok ? LinkError::none() : error;
    if (!ok && outcome.error.ok())
        outcome.error = LinkError::make(LinkErrorKind::ProtocolViolation);
    outcome.blocksSent = m_blocksSent;
    outcome.partlyWritten = !ok && kind == TransferKind::WriteImage && m_blocksSent > 0;
    outcome.handedOver = !ok && outcome.error.detail == LinkErrorDetail::HandedOver;
    m_lastOutcome = outcome;

    if (ok && kind == TransferKind::ReadImage) {
        m_readOkPending = true;
        m_host.startTimer(LinkTimer::ReadOK, m_timings.readOkMs);
    }
    if (ok && kind == TransferKind::ReadInfo)
        DecodeRadioInfoBlock(m_doc.InfoBlock, m_doc.RadioInfo);
    if (!ok)
        showFailure(outcome);
    m_host.transferEnded(outcome);
    if (ok && kind != TransferKind::ReadInfo)
        m_host.showMessage(GetLangText(kind == TransferKind::ReadImage ? Txt::ReadCompleted : Txt::WriteCompleted),
                           NoticeIcon::None);
}

// Failures the user has not seen yet: a lost device, a broken line, and above
// all a radio left with partly written memory. A cancelled restart question
// and the refusals (which have shown their own messages) add nothing.
void TransferEngine::showFailure(const TransferOutcome& outcome)
{
    const LinkError& e = outcome.error;
    std::string text;
    if (e.kind == LinkErrorKind::SystemError || e.detail == LinkErrorDetail::EndlessResend
        || e.detail == LinkErrorDetail::BadReplies)
        text = DescribeLinkError(e);
    if (outcome.partlyWritten) {
        if (!text.empty())
            text += "\r\n\r\n";
        text += GetLangText(Txt::RadioPartlyWritten);
    }
    if (!text.empty())
        m_host.showMessage(text, NoticeIcon::Warning);
}

void TransferEngine::readOkTick()
{
    m_host.stopTimer(LinkTimer::ReadOK);
    if (!m_readOkPending)
        return;
    m_readOkPending = false;
    if (!DecodeImage(m_doc)) {
        // Cannot happen for a radio that passed identification; kept sound all the same.
        m_lastOutcome.error = LinkError::make(LinkErrorKind::ProtocolViolation, LinkErrorDetail::UnknownBand);
        m_host.showMessage(DescribeLinkError(m_lastOutcome.error), NoticeIcon::Error);
        m_host.transferEnded(m_lastOutcome);
        return;
    }
    m_doc.DocFileName = "new.dat";
    m_doc.IsUntitled = true;
    m_doc.notifyReplaced();
    m_host.readCompleted();
}
