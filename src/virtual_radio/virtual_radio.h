#pragma once

#include "core/model/radio_image.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// Faults the virtual radio can put on the line, to exercise the program's
// retries, time-outs and restart questions. A block fault names the radio
// address of one 16-byte block and how many times it strikes; later requests
// for that block are served normally.
struct BlockFault {
    int address = -1;  // radio address of the block; -1 = off
    int times = 0;

    bool strikes(int blockAddress) const { return address >= 0 && address == blockAddress && times > 0; }
};

struct VirtualRadioFaults {
    int ignoreHandshakes = 0;  // first N handshakes get no answer
    BlockFault ignore;         // read or write requests get no answer at all
    BlockFault badChecksum;    // read reply with its checksum off by one
    BlockFault wrongAddress;   // read reply for the next block's address
    BlockFault shortFrame;     // read reply cut short by two bytes (a write gets no answer)
    BlockFault garbage;        // reply replaced by noise of the same length
    BlockFault resend;         // write answered with 0x0A ("send again")
    int deadAfterBlocks = -1;  // after this many answered block requests the radio falls silent
    bool noEndAck = false;     // "END" is never acknowledged
};

// What the radio tells about itself in its identification record and its
// radio information area.
struct VirtualRadioIdentity {
    std::string model = "BRISKO7";  // up to 7 characters
    std::uint8_t band = 0;          // 0 CB, 1 HF, 2 HAM
    std::string version = "V100";   // 4 characters
    bool toneSupported = true;
    bool echo = true;  // the cable returns every byte the program sends
};

// Counters of one virtual radio's life.
struct VirtualRadioStats {
    std::size_t bytesIn = 0;
    std::size_t bytesOut = 0;
    int sessions = 0;       // "END" received
    int blocksRead = 0;     // read requests answered
    int blocksWritten = 0;  // write frames accepted and stored
    int resendsSent = 0;    // 0x0A answers
};

// The radio's side of the programming protocol as a plain state machine:
// the serial line feeds it the bytes the program sent, and it returns the bytes
// the radio puts on the line (the echo of the cable first, then the reply).
// It holds the radio's memory image and information area; write frames change
// the image. No I/O, no clock: the pseudo-terminal loop of brisko7-sim and
// in-process tests drive it alike.
class VirtualRadio {
public:
    VirtualRadio(VirtualRadioIdentity identity, const RadioImage& image, const RadioInfoBlock& info,
                 VirtualRadioFaults faults = {});

    // Bytes that arrived from the program; returns the bytes the radio sends back.
    std::vector<std::uint8_t> receive(const std::uint8_t* data, std::size_t size);
    std::vector<std::uint8_t> receive(const std::vector<std::uint8_t>& bytes)
    {
        return receive(bytes.data(), bytes.size());
    }

    // True once after each "END"; `sessionWrote()` then tells whether that
    // session changed the image.
    bool takeSessionEnd();
    bool sessionWrote() const { return m_sessionWrote; }

    bool inSession() const { return m_inSession; }
    bool dead() const { return m_dead; }
    const RadioImage& image() const { return m_image; }
    const RadioInfoBlock& info() const { return m_info; }
    const VirtualRadioStats& stats() const { return m_stats; }
    const VirtualRadioIdentity& identity() const { return m_identity; }

    // The 16-byte identification record the radio answers to 0x02.
    std::vector<std::uint8_t> identificationRecord() const;

    // Sets the programming password kept at 0x3E1C..0x3E1F (up to 4 ASCII
    // characters; an empty text means no password, stored as 0xFF bytes).
    static void setPassword(RadioInfoBlock& info, const std::string& password);

private:
    enum class Parse { NeedMore, Consumed, Dropped };

    Parse parseOne(std::vector<std::uint8_t>& out);
    Parse parseHandshake(std::vector<std::uint8_t>& out);
    Parse parseRead(std::vector<std::uint8_t>& out);
    Parse parseWrite(std::vector<std::uint8_t>& out);
    Parse parseEnd(std::vector<std::uint8_t>& out);
    void consume(std::size_t count);

    std::vector<std::uint8_t> readReply(int address, std::size_t length);
    std::uint8_t memoryByte(int address) const;
    bool storeWrite(int address, const std::uint8_t* data, std::size_t length);
    bool answerBlock();  // counts an answered block; false when the radio has gone dead
    static bool takeStrike(BlockFault& fault, int blockAddress);
    static void appendNoise(std::vector<std::uint8_t>& out, std::size_t count);

    VirtualRadioIdentity m_identity;
    RadioImage m_image;
    RadioInfoBlock m_info;
    VirtualRadioFaults m_faults;
    VirtualRadioStats m_stats;
    std::vector<std::uint8_t> m_pending;  // bytes received but not yet a whole request
    bool m_inSession = false;
    bool m_sessionEnded = false;
    bool m_sessionWrote = false;
    bool m_dead = false;
    int m_blocksAnswered = 0;
};
