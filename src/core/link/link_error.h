#pragma once

#include <string>

// The one closed vocabulary of everything that can go wrong on the radio
// link. Every message the user sees about a transfer and every exit status of
// the command-line radio verbs is derived from a LinkError, so a new failure
// mode has to be named here first.
enum class LinkErrorKind {
    None,               // no error: the operation succeeded
    CallerError,        // the program asked for something impossible (a bug or a bad argument)
    SystemError,        // the operating system refused or failed an I/O operation
    TimedOut,           // the radio stayed silent and the retries are used up
    ProtocolViolation,  // the radio answered, but not as the protocol allows
    RefusedByRadio,     // the radio does not fit: model, band, version or password
    RefusedByUser,      // the user cancelled, or a question could not be answered
};

// Finer reasons that change what the user is told to do.
enum class LinkErrorDetail {
    None,
    PermissionDenied,  // no access to the serial device (group membership)
    DeviceNotFound,    // no such device
    DeviceBusy,        // another program holds the device
    DeviceLost,        // the device disappeared while open (unplugged adapter)
    EndlessResend,     // the radio asked for the same block again and again
    BadReplies,        // the radio answered, but its replies were damaged (checksum, noise)
    UnknownBand,       // the radio reports a band mode other than CB, HF, HAM
    WrongModel,
    WrongBand,
    WrongVersion,
    WrongPassword,
    HandedOver,  // the radio was handed to the program version that handles it
};

struct LinkError {
    LinkErrorKind kind = LinkErrorKind::None;
    LinkErrorDetail detail = LinkErrorDetail::None;
    std::string systemMessage;  // the operating system's own reason, when there is one
    std::string device;         // the port the error concerns, such as "COM2 (/dev/ttyUSB0)"
    std::string advice;         // what the user can do, worked out from the system; replaces
                                // the general advice of the detail when there is one

    bool ok() const { return kind == LinkErrorKind::None; }
    explicit operator bool() const { return !ok(); }  // true when there is an error

    static LinkError none() { return {}; }
    static LinkError make(LinkErrorKind kind, LinkErrorDetail detail = LinkErrorDetail::None,
                          std::string systemMessage = {}, std::string device = {});

    bool operator==(const LinkError&) const = default;
};

// A short English name of the kind, for logs and tests ("time-out", ...).
const char* LinkErrorKindName(LinkErrorKind kind);

// The text for the user: the advice (or the language text that fits the
// detail), followed by the system's reason and the port on lines of their
// own. A device lost during a transfer is told in one sentence of the
// program's language, without the system's line. Empty for no error.
std::string DescribeLinkError(const LinkError& error);

// Exit status of a brisko7-cli radio verb for an outcome:
//   0 success, 2 caller error, 3 refused by the radio, 4 I/O or system failure,
//   5 time-out, 6 protocol violation, 7 cancelled or unanswerable question.
namespace LinkExit {
constexpr int Ok = 0;
constexpr int CallerError = 2;
constexpr int RefusedByRadio = 3;
constexpr int SystemError = 4;
constexpr int TimedOut = 5;
constexpr int ProtocolViolation = 6;
constexpr int RefusedByUser = 7;
}  // namespace LinkExit

int LinkExitStatus(const LinkError& error);
