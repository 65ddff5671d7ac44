#pragma once

#include "core/model/image_layout.h"
#include "core/model/radio_image.h"
#include "core/model/records.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// The radio's programming protocol, byte by byte: one request, one reply of
// known length, then the next request. Addresses travel high byte first.
namespace LinkProtocol {

using Bytes = std::vector<std::uint8_t>;

constexpr std::uint8_t Ack = 0x06;
constexpr std::uint8_t Resend = 0x0A;
constexpr std::size_t BlockLength = 16;
constexpr std::size_t DataFrameOverhead = 6;  // "W", address, length, checksum, 0x06
constexpr std::size_t WriteFrameLength = BlockLength + DataFrameOverhead;
constexpr std::size_t HandshakeReplyLength = 3;  // "ZK" 0x06
constexpr std::size_t IdentReplyLength = 16;
constexpr int ImageEndAddress = static_cast<int>(RadioImageSize) - 1;
constexpr int InfoStartAddress = RadioInfoBase;
constexpr int InfoEndAddress = RadioInfoBase + static_cast<int>(RadioInfoBlockSize) - 1;
// The block that holds the password, and where in that block it lies.
constexpr int PasswordBlockAddress = InfoStartAddress
    + static_cast<int>(ImageLayout::Info::Password / BlockLength * BlockLength);
constexpr std::size_t PasswordOffset = ImageLayout::Info::Password % BlockLength;
constexpr std::size_t PasswordLength = ImageLayout::Info::PasswordLength;

// Timing and patience of the program's side of the conversation.
constexpr int ReplyTimeMs = 150;        // silence after a request that means no acceptable reply came
constexpr int ReadDecodeDelayMs = 500;  // from a good image read to its decoding
constexpr int WriteStartDelayMs = 100;  // from the write command to the start of the write
constexpr int BlockRetries = 3;         // silent repeats of one block request (and of the info request)
constexpr int MaxHandshakeTries = 3;    // handshakes after the first, alternating the echo setting
// A block the radio asks for again more often than this brings the restart
// question (the radio itself sets no bound).
constexpr int MaxResends = 10;

Bytes handshakeRequest();                            // "PROGRAM"
Bytes identifyRequest();                             // 0x02
Bytes readRequest(int address, std::size_t length);  // "R", high, low, length
Bytes endRequest();                                  // "END"
// "W", address, 0x10, the 16 bytes, checksum, 0x06.
Bytes writeFrame(int address, const std::uint8_t* data16);

// The sum of the address, length and data bytes of a data frame (offsets 1
// through 3 + n), modulo 256.
std::uint8_t CheckSum(const std::uint8_t* frame, std::size_t dataLength);

// What a received reply is; the classifiers are tried in this order.
enum class ReplyKind { None, Ack, Resend, Handshake, Ident, Info, Data };

struct ClassifyContext {
    int blockAddress = 0;
    std::size_t blockLength = BlockLength;
    bool passwordPhase = false;  // the password block is the awaited reply
};

// Classifies the reply proper (the echo already cut off).
ReplyKind classifyReply(const std::uint8_t* reply, std::size_t size, const ClassifyContext& context);

bool IsDataFrameValid(const std::uint8_t* reply, std::size_t size);  // length, 0x06, checksum
int frameAddress(const std::uint8_t* reply);

// Fills the identification of the radio from a 16-byte identification record.
void ParseIdentReply(const std::uint8_t* reply, RadioIdentity& radio);

// The password text of an info reply (data bytes 12..15, up to the first 0x00
// or 0xFF, trailing blanks removed). An empty text means no password.
std::string passwordOfInfoReply(const std::uint8_t* reply);
// An empty radio password passes; otherwise it must equal the entered one exactly.
bool CheckPassword(const std::uint8_t* reply, const std::string& progPassword);

}  // namespace LinkProtocol
