#pragma once

#include "core/base/notifier.h"
#include "core/link/link_error.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// The transfers a TransferEngine runs.
enum class TransferKind { Idle = 0, ReadImage = 1, WriteImage = 2, ReadInfo = 3 };

// The one-shot timers the host keeps for the engine.
enum class LinkTimer {
    Reply,         // a reply time after every request: no acceptable reply came
    ReadOK,        // a moment after a good read: decode the image
    WaitSaveData,  // a moment after the write command: start the write
};

// The questions a transfer may put to the user.
enum class LinkQuestion {
    ConfirmRead,     // 9004, OK/Cancel (only when TransferOptions::confirmStart)
    ConfirmWrite,    // 9005, OK/Cancel (only when TransferOptions::confirmStart)
    Restart,         // 9008, OK/Cancel: the radio does not respond, start over?
    Retry,           // 9008, Retry/Cancel: the same for the radio-information read
    HandOver,        // Yes/No: start the program version that handles the radio?
    UnsavedChanges,  // 9006 before a hand-over: the host asks, saves as the user
                     // chooses and answers Ok to go on or Cancel to keep the program
};

// How a transfer ended.
struct TransferOutcome {
    TransferKind kind = TransferKind::Idle;
    LinkError error;     // LinkErrorKind::None: success
    int blocksSent = 0;  // write frames that went out, repeats included (a
                         // failed write with blocksSent > 0 left the radio
                         // partly written)
    bool partlyWritten = false;
    bool handedOver = false;  // the other program version was started: end the program

    bool ok() const { return error.ok(); }
};

// What the engine needs from its surroundings: the serial port, the timers,
// the user and the progress display. The host decides nothing; it carries out.
// Calls are made on the host's one thread. The engine tolerates a host that
// runs a nested event loop inside `ask` or `askPassword` (a modal dialog):
// it ignores received bytes and timer ticks while a question is open.
class TransferHost {
public:
    virtual ~TransferHost() = default;

    // Port. `openPort` closes an open port first and opens the chosen device
    // at 9600 baud, no parity, 8 data bits, 1 stop bit, no flow control.
    virtual LinkError openPort() = 0;
    virtual void closePort() = 0;
    virtual bool portIsOpen() const = 0;
    // Empties the input and output buffers.
    virtual void flushPort() = 0;
    // The host calls TransferEngine::bytesReceived once at least this many
    // bytes are buffered (calling it earlier or more often is harmless).
    virtual void setReceiveThreshold(std::size_t bytes) = 0;
    virtual void sendBytes(const std::vector<std::uint8_t>& bytes) = 0;
    // The bytes buffered below the threshold, taken from the port. The engine
    // looks at them when the reply time is over: a reply cut short is a
    // damaged reply, not silence.
    virtual std::vector<std::uint8_t> takeBufferedBytes() { return {}; }

    // One-shot timers: starting a running timer restarts it.
    virtual void startTimer(LinkTimer timer, int milliseconds) = 0;
    virtual void stopTimer(LinkTimer timer) = 0;

    // The user. `ask` returns the button chosen; `askPassword` shows the
    // password dialog and returns the entered password, or nothing when the
    // user cancelled.
    virtual void showMessage(const std::string& text, NoticeIcon icon) = 0;
    virtual NoticeAnswer ask(LinkQuestion question, const std::string& text, NoticeButtons buttons,
                             NoticeIcon icon) = 0;
    virtual std::optional<std::string> askPassword() = 0;
    // Starts the installed program version that handles the radio's data
    // version; false when none could be started.
    virtual bool startOtherVersion(const std::string& dataVersion) = 0;

    // Progress of an image read or write: shown (must not block: a window
    // modal to the application, not a nested event loop), value 0..100, hidden.
    virtual void showProgress(TransferKind kind) = 0;
    virtual void setProgress(int percent) = 0;
    virtual void hideProgress() = 0;

    // The transfer ended (port closed, progress hidden). Called before the
    // success message. A good image read is not complete yet: the image is
    // decoded when the ReadOK timer expires, then `readCompleted` follows.
    // A good radio-information read has already decoded the record.
    virtual void transferEnded(const TransferOutcome& outcome) = 0;
    // A good image read has been decoded into the document (a new, untitled
    // document "new.dat"): refresh the windows, open the channel window.
    virtual void readCompleted() = 0;
};
