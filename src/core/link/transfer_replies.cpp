// The transfer engine's reactions to the replies it accepts.
#include "core/link/transfer_engine.h"

#include "core/base/lang_texts.h"
#include "core/base/version_list.h"
#include "lang_text_ids.h"
#include "core/model/document.h"

#include <algorithm>
#include <utility>

namespace {

using LinkProtocol::ReplyKind;

constexpr int BlockLength = static_cast<int>(LinkProtocol::BlockLength);

// A model name as compared: cut at the first NUL, trailing blanks removed.
std::string cleanModel(const std::string& name)
{
    std::string s = name.substr(0, name.find('\0'));
    while (!s.empty() && s.back() == ' ')
        s.pop_back();
    return s;
}

}  // namespace

void TransferEngine::bytesReceived(const std::uint8_t* data, std::size_t size)
{
    if (!m_awaitingReply || m_questionOpen || m_kind == TransferKind::Idle || size == 0)
        return;
    m_received.insert(m_received.end(), data, data + size);
    noticeEcho();
    if (m_received.size() < m_threshold)
        return;
    // Exactly the expected number of bytes make the frame; whatever else was
    // buffered is dropped.
    const Bytes frame(m_received.begin(), m_received.begin() + static_cast<std::ptrdiff_t>(m_threshold));
    m_received.clear();
    handleFrame(frame.data() + m_echoLength, frame.size() - m_echoLength);
}

// A cable may echo what the program sends although no echo is expected: the
// echo setting is a guess that the handshake retries keep changing. No reply
// of the radio starts with the first byte of the request it answers ("ZK"
// after "PROGRAM", "I" after 0x02, "W" after "R", 0x06 or 0x0A after "W" or
// "END"), so bytes that repeat the request are its echo. Taking them for a
// damaged reply would blame the cable for a radio that is merely silent, and
// would make the radio's late answer unreadable.
void TransferEngine::noticeEcho()
{
    if (m_echoLength != 0 || m_request.empty() || m_received.empty() || m_received[0] != m_request[0])
        return;
    const std::size_t seen = std::min(m_received.size(), m_request.size());
    if (!std::equal(m_received.begin(), m_received.begin() + static_cast<std::ptrdiff_t>(seen), m_request.begin()))
        return;
    m_echoExpected = true;
    m_echoLength = m_request.size();
    m_threshold += m_echoLength;
    m_host.setReceiveThreshold(m_threshold);
}

void TransferEngine::handleFrame(const std::uint8_t* reply, std::size_t size)
{
    LinkProtocol::ClassifyContext context;
    context.blockAddress = m_blockAddress;
    context.passwordPhase = m_kind != TransferKind::ReadInfo && m_phase == TransferPhase::Password;
    const ReplyKind kind = LinkProtocol::classifyReply(reply, size, context);
    if (kind == ReplyKind::None) {
        m_heardBadReply = true;
        return;  // dropped: the reply timer decides
    }
    m_heardBadReply = false;
    switch (m_kind) {
    case TransferKind::ReadImage:
    case TransferKind::WriteImage:
        advanceImage(kind, reply);
        break;
    case TransferKind::ReadInfo:
        advanceInfo(kind, reply);
        break;
    case TransferKind::Idle:
        break;
    }
}

// An image read and an image write: the same steps up to the blocks.
// Anything but the awaited reply is dropped: the reply timer decides.
void TransferEngine::advanceImage(ReplyKind kind, const std::uint8_t* reply)
{
    if (m_phase == TransferPhase::Handshake && kind == ReplyKind::Handshake) {
        m_host.stopTimer(LinkTimer::Reply);
        m_phase = TransferPhase::Identify;
        SendIdentify();
    } else if (m_phase == TransferPhase::Identify && kind == ReplyKind::Ident) {
        m_host.stopTimer(LinkTimer::Reply);
        LinkProtocol::ParseIdentReply(reply, m_doc.Radio);
        if (!identificationAcceptable())
            return;
        m_phase = TransferPhase::Password;
        SendInfoRequest();
    } else if (m_phase == TransferPhase::Password && kind == ReplyKind::Info) {
        m_host.stopTimer(LinkTimer::Reply);
        passwordPhase(reply);
    } else if (m_phase == TransferPhase::Blocks) {
        advanceBlocks(kind, reply);
    } else if (m_phase == TransferPhase::Ending && kind == ReplyKind::Ack) {
        EndTransfer(true);
    }
}

// A read takes the data frame of the block; a write takes its acknowledgement
// or the radio's request to send the block again.
void TransferEngine::advanceBlocks(ReplyKind kind, const std::uint8_t* reply)
{
    const bool writing = m_kind == TransferKind::WriteImage;
    if (kind == (writing ? ReplyKind::Ack : ReplyKind::Data)) {
        m_host.stopTimer(LinkTimer::Reply);
        if (!writing)
            StoreBlock(reply);
        nextBlock();
    } else if (writing && kind == ReplyKind::Resend) {
        m_host.stopTimer(LinkTimer::Reply);
        // A resend costs no retry, but a radio that never takes the block
        // would keep the line busy for ever.
        if (++m_resends > LinkProtocol::MaxResends) {
            AskRestart(LinkError::make(LinkErrorKind::ProtocolViolation, LinkErrorDetail::EndlessResend));
            return;
        }
        SendWriteBlock();
    }
}

void TransferEngine::advanceInfo(ReplyKind kind, const std::uint8_t* reply)
{
    m_host.stopTimer(LinkTimer::Reply);
    if (m_phase == TransferPhase::Handshake && kind == ReplyKind::Handshake) {
        m_phase = TransferPhase::Identify;
        SendIdentify();
    } else if (m_phase == TransferPhase::Identify && kind == ReplyKind::Ident) {
        m_phase = TransferPhase::Blocks;
        nextBlock();
    } else if (m_phase == TransferPhase::Blocks && kind == ReplyKind::Data) {
        StoreBlock(reply);
        nextBlock();
    } else if (m_phase == TransferPhase::Ending && kind == ReplyKind::Ack) {
        EndTransfer(true);
    } else {
        sendEndWithoutWaiting();
        EndTransfer(false, LinkError::make(LinkErrorKind::ProtocolViolation));
    }
}

// A radio whose band mode is none of CB, HF, HAM cannot be decoded: refuse it
// before a single block is read or written.
bool TransferEngine::identificationAcceptable()
{
    if (m_doc.Radio.RadioBand <= 2)
        return true;
    const LinkError refusal = LinkError::make(LinkErrorKind::RefusedByRadio, LinkErrorDetail::UnknownBand);
    if (tellDuringTransfer(DescribeLinkError(refusal), NoticeIcon::Error))
        refuse(refusal);
    return false;
}

void TransferEngine::refuse(const LinkError& refusal)
{
    sendEndWithoutWaiting();
    EndTransfer(false, refusal);
}

// A message box in the middle of a transfer may run a nested event loop, in
// which the device can go away and end the transfer. Bytes and reply-timer
// ticks wait meanwhile, as they do for a question. False when the transfer
// ended while the message showed: the caller must not go on with it.
bool TransferEngine::tellDuringTransfer(const std::string& text, NoticeIcon icon)
{
    const int generation = m_generation;
    const bool wasOpen = std::exchange(m_questionOpen, true);
    m_host.showMessage(text, icon);
    m_questionOpen = wasOpen;
    return generation == m_generation;
}

void TransferEngine::passwordPhase(const std::uint8_t* reply)
{
    if (!LinkProtocol::CheckPassword(reply, m_password)) {
        const int generation = m_generation;
        m_questionOpen = true;
        const std::optional<std::string> entered = m_host.askPassword();
        m_questionOpen = false;
        if (generation != m_generation)
            return;
        if (!entered) {
            refuse(LinkError::make(LinkErrorKind::RefusedByUser, LinkErrorDetail::WrongPassword));
            return;
        }
        m_password = *entered;
        if (!LinkProtocol::CheckPassword(reply, m_password)) {
            if (tellDuringTransfer("PassWord Failure!", NoticeIcon::Error))
                refuse(LinkError::make(LinkErrorKind::RefusedByRadio, LinkErrorDetail::WrongPassword));
            return;
        }
    }
    LinkError refusal;
    const int generation = m_generation;
    if (!CheckRadioCompatibility(refusal)) {
        if (generation == m_generation)
            refuse(refusal);
        return;
    }
    m_phase = TransferPhase::Blocks;
    if (m_kind == TransferKind::WriteImage) {
        WarnToneSupport();
        if (generation != m_generation)
            return;  // the device went away while the warning showed
    }
    nextBlock();
}

bool TransferEngine::CheckRadioCompatibility(LinkError& refusal)
{
    m_host.stopTimer(LinkTimer::Reply);
    const RadioIdentity& radio = m_doc.Radio;
    const bool bandOk = m_kind != TransferKind::WriteImage || m_doc.BandMode == radio.RadioBand;
    const bool modelOk = cleanModel(m_doc.ModelName) == radio.RadioModel;
    const bool versionOk = VersionList::instance().CanHandle(VersionList::OwnVersion, radio.RadioVersion);
    if (bandOk && modelOk && versionOk)
        return true;
    if (modelOk) {
        if (versionOk) {
            refusal = LinkError::make(LinkErrorKind::RefusedByRadio, LinkErrorDetail::WrongBand);
            tellDuringTransfer(GetLangText(Txt::BandModeDiffers), NoticeIcon::Warning);
        } else {
            offerHandOver(refusal);
        }
        return false;
    }
    refusal = LinkError::make(LinkErrorKind::RefusedByRadio, LinkErrorDetail::WrongModel);
    tellDuringTransfer(GetLangText(Txt::ModelMismatch) + "\r\nPC is " + cleanModel(m_doc.ModelName) + "\r\nRadio is "
                           + cleanModel(radio.RadioModel),
                       NoticeIcon::None);
    return false;
}

// The radio belongs to another program version. The program ends only when
// the user agreed, the unsaved-changes question let it go, and the other
// version really started.
void TransferEngine::offerHandOver(LinkError& refusal)
{
    const std::string version = m_doc.Radio.RadioVersion;
    refusal = LinkError::make(LinkErrorKind::RefusedByRadio, LinkErrorDetail::WrongVersion);
    m_questionOpen = true;
    const NoticeAnswer handOver = m_host.ask(LinkQuestion::HandOver,
                                             VersionMessage(VersionList::OwnVersion, version, 0), NoticeButtons::YesNo,
                                             NoticeIcon::None);
    if (handOver != NoticeAnswer::Yes) {
        m_questionOpen = false;
        return;
    }
    const NoticeAnswer unsaved = m_host.ask(LinkQuestion::UnsavedChanges, GetLangText(Txt::SaveChangesQuestion),
                                            NoticeButtons::YesNoCancel, NoticeIcon::Warning);
    m_questionOpen = false;
    if (unsaved == NoticeAnswer::Cancel)
        return;
    if (VersionList::instance().FindHandler(version).empty()) {
        tellDuringTransfer(GetLangText(Txt::NoVersionForData), NoticeIcon::None);
        return;
    }
    if (!m_host.startOtherVersion(version)) {
        tellDuringTransfer(GetLangText(Txt::OtherVersionNotStarted), NoticeIcon::Error);
        return;
    }
    refusal.detail = LinkErrorDetail::HandedOver;
}

void TransferEngine::WarnToneSupport()
{
    if (!m_doc.Radio.ToneSupported)
        tellDuringTransfer("CTCSS/DCS Function is invalid,\r\nSome features will not work.", NoticeIcon::Warning);
}

void TransferEngine::StoreBlock(const std::uint8_t* reply)
{
    const int start = LinkProtocol::frameAddress(reply);
    const int n = reply[3];
    if (start < LinkProtocol::InfoStartAddress) {
        if (start + n <= static_cast<int>(RadioImageSize))
            std::copy(reply + 4, reply + 4 + n, m_doc.Image.data() + start);
        showBlockProgress();
    } else if (start - LinkProtocol::InfoStartAddress + n <= static_cast<int>(RadioInfoBlockSize)) {
        std::copy(reply + 4, reply + 4 + n, m_doc.InfoBlock.data() + (start - LinkProtocol::InfoStartAddress));
    }
}

void TransferEngine::nextBlock()
{
    m_blockAddress += BlockLength;
    m_resends = 0;
    if (m_blockAddress >= m_endAddress) {
        m_phase = TransferPhase::Ending;
        SendEnd();
    } else {
        sendBlockRequest();
    }
}

void TransferEngine::sendBlockRequest()
{
    if (m_kind == TransferKind::WriteImage)
        SendWriteBlock();
    else
        SendReadRequest();
}
