#pragma once

#include "core/link/link_error.h"
#include "core/link/link_protocol.h"
#include "core/link/transfer_host.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

class Document;

struct TransferTimings {
    int replyMs = LinkProtocol::ReplyTimeMs;               // WaitTimer: silence after a request
    int readOkMs = LinkProtocol::ReadDecodeDelayMs;        // ReadOKTimer: from a good read to its decoding
    int waitSaveDataMs = LinkProtocol::WriteStartDelayMs;  // WaitSaveDataTimer: from the write command to the write
};

// Where a running transfer stands: which reply it awaits. An image read and
// an image write pass through the same phases and differ only in the block
// phase's direction; the information read skips the password phase.
enum class TransferPhase {
    Idle,
    Handshake,  // "PROGRAM" sent, awaiting "ZK"
    Identify,   // 0x02 sent, awaiting the identification record
    Password,   // the password block requested
    Blocks,     // reading or writing the blocks one by one
    Ending,     // "END" sent, awaiting its acknowledgement
};

// The radio transfers as a state machine without UI: read the image, write
// the image, read the radio information (TransferKind). It is fed by
// events (bytes received, timers expired, the port failed) and acts only
// through its TransferHost. One engine lives for the whole program run, so the
// echo setting that worked last time is tried first next time.
//
// The engine works on the document's transfer buffers only: a read fills
// doc.Image (or doc.InfoBlock) and doc.Radio; the records change only when a
// good image read is decoded (ReadOK timer) or a good information read is
// decoded into doc.RadioInfo. A write encodes the records into doc.Image and
// never changes the records.
class TransferEngine {
public:
    TransferEngine(Document& doc, TransferHost& host);

    void setTimings(const TransferTimings& timings) { m_timings = timings; }
    const TransferTimings& timings() const { return m_timings; }
    // Ask 9004 / 9005 before a read / write (the desktop program does, scripts do not).
    void setConfirmStart(bool confirm) { m_confirmStart = confirm; }
    // The password the user last entered (empty: none entered yet).
    void setPassword(const std::string& password) { m_password = password; }
    const std::string& password() const { return m_password; }

    // Commands. Each returns false when nothing was started (a transfer is
    // running, the port could not be opened, or the user declined); then
    // lastOutcome() tells why and transferEnded is not called. The write
    // starts when WaitSaveData expires: if it cannot start then (port, start
    // question), transferEnded reports it.
    bool startRead();   // after the editors committed their pending edits
    bool startWrite();  // the same; the write begins when WaitSaveData expires
    bool startInfoRead();
    // The user abandons the running transfer (progress window closed, Ctrl-C):
    // "END" is sent and the transfer ends as cancelled.
    void cancel();

    // Events.
    void bytesReceived(const std::uint8_t* data, std::size_t size);
    void bytesReceived(const std::vector<std::uint8_t>& bytes) { bytesReceived(bytes.data(), bytes.size()); }
    void timerExpired(LinkTimer timer);
    // The device failed or disappeared: the transfer ends at once.
    void portFailed(const LinkError& error);

    // State, for the host and for tests.
    TransferKind kind() const { return m_kind; }
    bool busy() const { return m_kind != TransferKind::Idle || m_readOkPending || m_writePending; }
    TransferPhase phase() const { return m_phase; }
    int blockAddress() const { return m_blockAddress; }
    bool echoExpected() const { return m_echoExpected; }
    void setEchoExpected(bool expected) { m_echoExpected = expected; }
    bool awaitingReply() const { return m_awaitingReply; }
    int handshakeTries() const { return m_handshakeTries; }
    int infoRetries() const { return m_infoRetries; }
    int blockRetries(int blockIndex) const;
    std::size_t receiveThreshold() const { return m_threshold; }
    const TransferOutcome& lastOutcome() const { return m_lastOutcome; }

private:
    using Bytes = LinkProtocol::Bytes;

    bool beginTransfer(TransferKind kind);
    bool PrepareTransfer();
    bool OpenCommPort();
    bool confirm(LinkQuestion question, int textNumber);
    void launchImageTransfer();
    void StartHandshake();
    // The block address before the first block of the transfer's area.
    int beforeFirstBlock() const;

    void send(const Bytes& request, std::size_t replyLength);
    void SendHandshake();
    void SendIdentify();
    void SendReadRequest();
    void SendInfoRequest();
    void SendWriteBlock();
    void SendEnd();
    void sendEndWithoutWaiting();

    void noticeEcho();
    void handleFrame(const std::uint8_t* reply, std::size_t size);
    void advanceImage(LinkProtocol::ReplyKind kind, const std::uint8_t* reply);
    void advanceBlocks(LinkProtocol::ReplyKind kind, const std::uint8_t* reply);
    void advanceInfo(LinkProtocol::ReplyKind kind, const std::uint8_t* reply);
    void passwordPhase(const std::uint8_t* reply);
    bool identificationAcceptable();
    bool CheckRadioCompatibility(LinkError& refusal);
    void offerHandOver(LinkError& refusal);
    void WarnToneSupport();
    void StoreBlock(const std::uint8_t* reply);
    // The next block in the transfer's direction, or "END" after the last.
    void nextBlock();
    void sendBlockRequest();
    void repeatBlockRequest();
    bool retryBlock();
    // Sends the handshake again with the other echo setting; false once the
    // handshake retries are used up.
    bool retryHandshake();
    void showBlockProgress();

    bool takeLateBytes();
    void replyTimeout();
    void replyTimeoutInfo();
    LinkError silenceReason() const;
    static int stallQuestionText(const LinkError& reason);
    // The restart (image) and retry (information) questions, with the reason
    // the transfer stalled; Cancel ends the transfer with that reason.
    void AskRestart(const LinkError& reason);
    void AskRetry(const LinkError& reason);
    void refuse(const LinkError& refusal);
    bool tellDuringTransfer(const std::string& text, NoticeIcon icon);
    void EndTransfer(bool ok, const LinkError& error = {});
    void showFailure(const TransferOutcome& outcome);
    void readOkTick();
    void writeStartTick();

    int blockIndex() const;
    int echoLength(std::size_t requestLength) const;

    Document& m_doc;
    TransferHost& m_host;
    TransferTimings m_timings;
    bool m_confirmStart = true;
    std::string m_password;

    TransferKind m_kind = TransferKind::Idle;
    TransferPhase m_phase = TransferPhase::Idle;
    int m_blockAddress = 0;
    int m_endAddress = 0;  // set for each transfer
    int m_handshakeTries = 0;
    int m_infoRetries = LinkProtocol::BlockRetries;
    std::vector<int> m_blockRetries;
    int m_resends = 0;  // 0x0A answers to the current write block
    int m_progressShown = 0;
    bool m_progressVisible = false;
    bool m_echoExpected = true;  // kept across transfers
    bool m_awaitingReply = false;
    bool m_questionOpen = false;  // a question or the password dialog is showing
    bool m_readOkPending = false;
    bool m_writePending = false;   // WaitSaveData is running
    int m_blocksSent = 0;          // write frames that went out, repeats included
    bool m_heardBadReply = false;  // bytes came since the last accepted reply, but no acceptable reply
    int m_generation = 0;          // changes whenever a transfer ends
    int m_requestsSent = 0;        // changes with every request

    Bytes m_request;              // the request the current reply answers
    Bytes m_received;             // bytes of the current reply so far (echo included)
    std::size_t m_threshold = 0;  // echo + expected reply length
    std::size_t m_echoLength = 0;

    TransferOutcome m_lastOutcome;
};
