#include "core/link/link_protocol.h"

#include <string_view>

namespace LinkProtocol {

namespace {

Bytes textBytes(std::string_view text)
{
    return Bytes(text.begin(), text.end());
}

// ASCII of a fixed field: up to the first terminator, trailing blanks removed.
std::string fieldText(const std::uint8_t* from, std::size_t length, bool ffEnds)
{
    std::string text;
    for (std::size_t i = 0; i < length; ++i) {
        if (from[i] == 0x00 || (ffEnds && from[i] == 0xFF))
            break;
        text.push_back(static_cast<char>(from[i]));
    }
    while (!text.empty() && text.back() == ' ')
        text.pop_back();
    return text;
}

bool isSingle(const std::uint8_t* reply, std::size_t size, std::uint8_t value)
{
    return size == 1 && reply[0] == value;
}

// The checks a read reply shares: "W", room for a whole block, n + 6 bytes,
// the trailing 0x06 and the checksum.
bool isSoundDataFrame(const std::uint8_t* reply, std::size_t size)
{
    return size >= WriteFrameLength && reply[0] == 'W' && IsDataFrameValid(reply, size);
}

}  // namespace

Bytes handshakeRequest()
{
    return textBytes("PROGRAM");
}
Bytes identifyRequest()
{
    return {0x02};
}
Bytes endRequest()
{
    return textBytes("END");
}

Bytes readRequest(int address, std::size_t length)
{
    return {'R', static_cast<std::uint8_t>((address >> 8) & 0xFF), static_cast<std::uint8_t>(address & 0xFF),
            static_cast<std::uint8_t>(length)};
}

Bytes writeFrame(int address, const std::uint8_t* data16)
{
    Bytes frame;
    frame.reserve(WriteFrameLength);
    frame.push_back('W');
    frame.push_back(static_cast<std::uint8_t>((address >> 8) & 0xFF));
    frame.push_back(static_cast<std::uint8_t>(address & 0xFF));
    frame.push_back(static_cast<std::uint8_t>(BlockLength));
    for (std::size_t i = 0; i < BlockLength; ++i)
        frame.push_back(data16[i]);
    frame.push_back(CheckSum(frame.data(), BlockLength));
    frame.push_back(Ack);
    return frame;
}

std::uint8_t CheckSum(const std::uint8_t* frame, std::size_t dataLength)
{
    unsigned sum = 0;
    for (std::size_t i = 1; i <= 3 + dataLength; ++i)
        sum += frame[i];
    return static_cast<std::uint8_t>(sum & 0xFF);
}

int frameAddress(const std::uint8_t* reply)
{
    return (reply[1] << 8) | reply[2];
}

bool IsDataFrameValid(const std::uint8_t* reply, std::size_t size)
{
    if (size < DataFrameOverhead)
        return false;
    const std::size_t n = reply[3];
    return size == n + DataFrameOverhead && reply[5 + n] == Ack && reply[4 + n] == CheckSum(reply, n);
}

ReplyKind classifyReply(const std::uint8_t* reply, std::size_t size, const ClassifyContext& context)
{
    if (isSingle(reply, size, Ack))
        return ReplyKind::Ack;
    if (isSingle(reply, size, Resend))
        return ReplyKind::Resend;
    if (size == HandshakeReplyLength && reply[0] == 'Z' && reply[1] == 'K' && reply[2] == Ack)
        return ReplyKind::Handshake;
    if (size == IdentReplyLength && reply[0] == 'I' && reply[IdentReplyLength - 1] == Ack)
        return ReplyKind::Ident;
    if (!isSoundDataFrame(reply, size))
        return ReplyKind::None;
    if (context.passwordPhase && frameAddress(reply) == PasswordBlockAddress)
        return ReplyKind::Info;
    if (frameAddress(reply) == context.blockAddress && reply[3] == context.blockLength)
        return ReplyKind::Data;
    return ReplyKind::None;
}

void ParseIdentReply(const std::uint8_t* reply, RadioIdentity& radio)
{
    radio.RadioModel = fieldText(reply + 1, 7, false);
    radio.RadioBand = reply[8];
    radio.RadioVersion = fieldText(reply + 9, 4, false);
    radio.ToneSupported = (reply[13] & 0x01) != 0;
}

std::string passwordOfInfoReply(const std::uint8_t* reply)
{
    return fieldText(reply + 4 + PasswordOffset, PasswordLength, true);
}

bool CheckPassword(const std::uint8_t* reply, const std::string& progPassword)
{
    const std::string radioPassword = passwordOfInfoReply(reply);
    return radioPassword.empty() || radioPassword == progPassword;
}

}  // namespace LinkProtocol
