#include "core/link/link_error.h"

#include "core/base/lang_texts.h"
#include "lang_text_ids.h"

#include <utility>

namespace {

// The language text that tells the user what a detail means and what to do.
int adviceTextOf(LinkErrorDetail detail)
{
    switch (detail) {
    case LinkErrorDetail::PermissionDenied:
        return Txt::SerialDeviceNoAccess;
    case LinkErrorDetail::DeviceLost:
        return Txt::SerialDeviceLost;
    case LinkErrorDetail::EndlessResend:
        return Txt::RadioRepeatsBlock;
    case LinkErrorDetail::BadReplies:
        return Txt::DamagedRepliesEnd;
    case LinkErrorDetail::UnknownBand:
        return Txt::RadioBandModeUnknown;
    default:
        return 0;
    }
}

void appendLine(std::string& text, const std::string& line)
{
    if (line.empty())
        return;
    if (!text.empty())
        text += "\r\n";
    text += line;
}

}  // namespace

LinkError LinkError::make(LinkErrorKind kind, LinkErrorDetail detail, std::string systemMessage, std::string device)
{
    LinkError e;
    e.kind = kind;
    e.detail = detail;
    e.systemMessage = std::move(systemMessage);
    e.device = std::move(device);
    return e;
}

const char* LinkErrorKindName(LinkErrorKind kind)
{
    switch (kind) {
    case LinkErrorKind::None:
        return "no error";
    case LinkErrorKind::CallerError:
        return "caller error";
    case LinkErrorKind::SystemError:
        return "system error";
    case LinkErrorKind::TimedOut:
        return "time-out";
    case LinkErrorKind::ProtocolViolation:
        return "protocol violation";
    case LinkErrorKind::RefusedByRadio:
        return "refused by the radio";
    case LinkErrorKind::RefusedByUser:
        return "cancelled";
    }
    return "unknown error";
}

std::string DescribeLinkError(const LinkError& error)
{
    if (error.ok())
        return {};
    std::string text;
    if (error.detail == LinkErrorDetail::UnknownBand)
        text = "Country Mode Error!";
    if (!error.advice.empty())
        appendLine(text, error.advice);
    else if (const int advice = adviceTextOf(error.detail))
        appendLine(text, GetLangText(advice));
    else if (error.kind == LinkErrorKind::TimedOut)
        appendLine(text, GetLangText(Txt::RadioDidNotAnswer));
    // The system's words for a pulled cable ("hung up", an unrelated call's
    // error) tell the user nothing the advice does not.
    if (error.detail != LinkErrorDetail::DeviceLost)
        appendLine(text, error.systemMessage);
    if (!error.device.empty())
        appendLine(text,
                   GetLangText(Txt::PortDeviceColumn).empty()
                       ? error.device
                       : GetLangText(Txt::PortDeviceColumn) + ": " + error.device);
    if (text.empty())
        text = LinkErrorKindName(error.kind);
    return text;
}

int LinkExitStatus(const LinkError& error)
{
    switch (error.kind) {
    case LinkErrorKind::None:
        return LinkExit::Ok;
    case LinkErrorKind::CallerError:
        return LinkExit::CallerError;
    case LinkErrorKind::SystemError:
        return LinkExit::SystemError;
    case LinkErrorKind::TimedOut:
        return LinkExit::TimedOut;
    case LinkErrorKind::ProtocolViolation:
        return LinkExit::ProtocolViolation;
    case LinkErrorKind::RefusedByRadio:
        return LinkExit::RefusedByRadio;
    case LinkErrorKind::RefusedByUser:
        return LinkExit::RefusedByUser;
    }
    return LinkExit::SystemError;
}
