#include "virtual_radio/virtual_radio.h"

#include "core/link/link_protocol.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace {

using LinkProtocol::Ack;
using LinkProtocol::Resend;
constexpr std::uint8_t IdentifyRequest = 0x02;
constexpr char Handshake[] = "PROGRAM";
constexpr std::size_t HandshakeLength = 7;
constexpr char EndRequest[] = "END";
constexpr std::size_t EndLength = 3;
constexpr std::size_t ReadRequestLength = 4;
// The radio answers reads of up to this many bytes; longer requests are noise.
constexpr std::size_t MaxReadLength = 64;

// Sum of the address, length and data bytes of a frame, modulo 256.
std::uint8_t frameChecksum(const std::uint8_t* from, const std::uint8_t* to)
{
    unsigned sum = 0;
    for (const std::uint8_t* p = from; p != to; ++p)
        sum += *p;
    return static_cast<std::uint8_t>(sum & 0xFF);
}

// True when `bytes` is a (possibly incomplete) beginning of `text`.
bool isPrefixOf(const std::vector<std::uint8_t>& bytes, const char* text, std::size_t textLength)
{
    const std::size_t n = std::min(bytes.size(), textLength);
    return std::memcmp(bytes.data(), text, n) == 0;
}

}  // namespace

VirtualRadio::VirtualRadio(VirtualRadioIdentity identity, const RadioImage& image, const RadioInfoBlock& info,
                           VirtualRadioFaults faults)
    : m_identity(std::move(identity)), m_image(image), m_info(info), m_faults(faults)
{
}

std::vector<std::uint8_t> VirtualRadio::receive(const std::uint8_t* data, std::size_t size)
{
    std::vector<std::uint8_t> out;
    if (m_dead)
        return out;
    m_stats.bytesIn += size;
    if (m_identity.echo)
        out.assign(data, data + size);
    m_pending.insert(m_pending.end(), data, data + size);
    while (!m_pending.empty() && !m_dead) {
        if (parseOne(out) == Parse::NeedMore)
            break;
    }
    // A line that went dead carries nothing, not even the cable's echo of
    // the request that found it dead.
    if (m_dead) {
        m_pending.clear();
        out.clear();
    }
    m_stats.bytesOut += out.size();
    return out;
}

bool VirtualRadio::takeSessionEnd()
{
    return std::exchange(m_sessionEnded, false);
}

void VirtualRadio::consume(std::size_t count)
{
    m_pending.erase(m_pending.begin(), m_pending.begin() + static_cast<std::ptrdiff_t>(count));
}

VirtualRadio::Parse VirtualRadio::parseOne(std::vector<std::uint8_t>& out)
{
    const std::uint8_t first = m_pending.front();
    if (first == static_cast<std::uint8_t>(Handshake[0]))
        return parseHandshake(out);
    // Outside a programming session the radio listens for the handshake only.
    if (!m_inSession) {
        consume(1);
        return Parse::Dropped;
    }
    switch (first) {
    case IdentifyRequest: {
        consume(1);
        const auto record = identificationRecord();
        out.insert(out.end(), record.begin(), record.end());
        return Parse::Consumed;
    }
    case 'R':
        return parseRead(out);
    case 'W':
        return parseWrite(out);
    case 'E':
        return parseEnd(out);
    default:
        consume(1);
        return Parse::Dropped;
    }
}

VirtualRadio::Parse VirtualRadio::parseHandshake(std::vector<std::uint8_t>& out)
{
    if (!isPrefixOf(m_pending, Handshake, HandshakeLength)) {
        consume(1);
        return Parse::Dropped;
    }
    if (m_pending.size() < HandshakeLength)
        return Parse::NeedMore;
    consume(HandshakeLength);
    if (m_faults.ignoreHandshakes > 0) {
        --m_faults.ignoreHandshakes;
        return Parse::Consumed;
    }
    m_inSession = true;
    m_sessionWrote = false;
    out.insert(out.end(), {'Z', 'K', Ack});
    return Parse::Consumed;
}

VirtualRadio::Parse VirtualRadio::parseRead(std::vector<std::uint8_t>& out)
{
    if (m_pending.size() < ReadRequestLength)
        return Parse::NeedMore;
    const int address = (m_pending[1] << 8) | m_pending[2];
    const std::size_t length = m_pending[3];
    consume(ReadRequestLength);
    if (length == 0 || length > MaxReadLength)
        return Parse::Dropped;
    if (takeStrike(m_faults.ignore, address) || !answerBlock())
        return Parse::Consumed;

    std::vector<std::uint8_t> reply = readReply(address, length);
    ++m_stats.blocksRead;
    if (takeStrike(m_faults.garbage, address)) {
        appendNoise(out, reply.size());
        return Parse::Consumed;
    }
    if (takeStrike(m_faults.wrongAddress, address)) {
        const int other = (address + static_cast<int>(LinkProtocol::BlockLength)) & 0xFFFF;
        reply = readReply(other, length);
    }
    if (takeStrike(m_faults.badChecksum, address))
        reply[4 + length] = static_cast<std::uint8_t>(reply[4 + length] + 1);
    if (takeStrike(m_faults.shortFrame, address))
        reply.resize(reply.size() - 2);
    out.insert(out.end(), reply.begin(), reply.end());
    return Parse::Consumed;
}

VirtualRadio::Parse VirtualRadio::parseWrite(std::vector<std::uint8_t>& out)
{
    if (m_pending.size() < 4)
        return Parse::NeedMore;
    const std::size_t length = m_pending[3];
    if (length == 0 || length > MaxReadLength) {
        consume(1);
        return Parse::Dropped;
    }
    const std::size_t frameLength = length + LinkProtocol::DataFrameOverhead;
    if (m_pending.size() < frameLength)
        return Parse::NeedMore;
    const int address = (m_pending[1] << 8) | m_pending[2];
    const bool sound = m_pending[4 + length] == frameChecksum(&m_pending[1], &m_pending[4 + length])
        && m_pending[5 + length] == Ack;
    std::vector<std::uint8_t> data(m_pending.begin() + 4, m_pending.begin() + 4 + static_cast<std::ptrdiff_t>(length));
    consume(frameLength);

    if (takeStrike(m_faults.ignore, address) || takeStrike(m_faults.shortFrame, address) || !answerBlock())
        return Parse::Consumed;
    if (takeStrike(m_faults.garbage, address)) {
        appendNoise(out, 1);
        return Parse::Consumed;
    }
    if (!sound || takeStrike(m_faults.resend, address)) {
        out.push_back(Resend);
        ++m_stats.resendsSent;
        return Parse::Consumed;
    }
    // The information area and addresses beyond the image are never written:
    // the radio keeps silent and the program's reply timer decides.
    if (!storeWrite(address, data.data(), data.size()))
        return Parse::Consumed;
    ++m_stats.blocksWritten;
    m_sessionWrote = true;
    out.push_back(Ack);
    return Parse::Consumed;
}

VirtualRadio::Parse VirtualRadio::parseEnd(std::vector<std::uint8_t>& out)
{
    if (!isPrefixOf(m_pending, EndRequest, EndLength)) {
        consume(1);
        return Parse::Dropped;
    }
    if (m_pending.size() < EndLength)
        return Parse::NeedMore;
    consume(EndLength);
    m_inSession = false;
    m_sessionEnded = true;
    ++m_stats.sessions;
    if (!m_faults.noEndAck)
        out.push_back(Ack);
    return Parse::Consumed;
}

std::vector<std::uint8_t> VirtualRadio::identificationRecord() const
{
    std::vector<std::uint8_t> record(LinkProtocol::IdentReplyLength, 0);
    record[0] = 'I';
    for (std::size_t i = 0; i < 7 && i < m_identity.model.size(); ++i)
        record[1 + i] = static_cast<std::uint8_t>(m_identity.model[i]);
    record[8] = m_identity.band;
    for (std::size_t i = 0; i < 4 && i < m_identity.version.size(); ++i)
        record[9 + i] = static_cast<std::uint8_t>(m_identity.version[i]);
    record[13] = m_identity.toneSupported ? 1 : 0;
    record[LinkProtocol::IdentReplyLength - 1] = Ack;
    return record;
}

std::vector<std::uint8_t> VirtualRadio::readReply(int address, std::size_t length)
{
    std::vector<std::uint8_t> frame;
    frame.reserve(length + LinkProtocol::DataFrameOverhead);
    frame.push_back('W');
    frame.push_back(static_cast<std::uint8_t>((address >> 8) & 0xFF));
    frame.push_back(static_cast<std::uint8_t>(address & 0xFF));
    frame.push_back(static_cast<std::uint8_t>(length));
    for (std::size_t i = 0; i < length; ++i)
        frame.push_back(memoryByte(address + static_cast<int>(i)));
    frame.push_back(frameChecksum(frame.data() + 1, frame.data() + frame.size()));
    frame.push_back(Ack);
    return frame;
}

std::uint8_t VirtualRadio::memoryByte(int address) const
{
    if (address >= 0 && address < static_cast<int>(RadioImageSize))
        return m_image.byte(static_cast<std::size_t>(address));
    const int infoIndex = address - RadioInfoBase;
    if (infoIndex >= 0 && infoIndex < static_cast<int>(RadioInfoBlockSize))
        return m_info.byte(static_cast<std::size_t>(infoIndex));
    return 0xFF;  // unmapped memory reads as erased
}

bool VirtualRadio::storeWrite(int address, const std::uint8_t* data, std::size_t length)
{
    if (address < 0 || address + length > RadioImageSize)
        return false;
    std::copy(data, data + length, m_image.data() + address);
    return true;
}

bool VirtualRadio::answerBlock()
{
    if (m_faults.deadAfterBlocks >= 0 && m_blocksAnswered >= m_faults.deadAfterBlocks) {
        m_dead = true;
        return false;
    }
    ++m_blocksAnswered;
    return true;
}

bool VirtualRadio::takeStrike(BlockFault& fault, int blockAddress)
{
    if (!fault.strikes(blockAddress))
        return false;
    --fault.times;
    return true;
}

void VirtualRadio::appendNoise(std::vector<std::uint8_t>& out, std::size_t count)
{
    // A fixed pseudo-random pattern that never forms an acknowledgement, a
    // resend request or the start of a data frame.
    std::uint32_t state = 0x2545F491u;
    for (std::size_t i = 0; i < count; ++i) {
        state = state * 1664525u + 1013904223u;
        std::uint8_t b = static_cast<std::uint8_t>(state >> 24);
        if (b == Ack || b == Resend || b == 'W')
            b = 0x55;
        out.push_back(b);
    }
}

void VirtualRadio::setPassword(RadioInfoBlock& info, const std::string& password)
{
    using ImageLayout::Info::PasswordLength;
    for (std::size_t i = 0; i < PasswordLength; ++i) {
        const std::uint8_t b = i < password.size() ? static_cast<std::uint8_t>(password[i]) : 0xFF;
        info.setByte(ImageLayout::Info::Password + i, b);
    }
}
