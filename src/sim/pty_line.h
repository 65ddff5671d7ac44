#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// The virtual radio's end of a pseudo-terminal. The program under test opens
// the other end (`devicePath`) like any serial device. The radio keeps that end
// open too, in raw mode, so that a program closing and reopening it never
// leaves the line without a reader and no byte is ever translated.
class PtyLine {
public:
    PtyLine() = default;
    ~PtyLine();
    PtyLine(const PtyLine&) = delete;
    PtyLine& operator=(const PtyLine&) = delete;

    // Returns false and a reason when no pseudo-terminal could be had.
    bool open(std::string& error);
    const std::string& devicePath() const { return m_devicePath; }

    // Waits up to `timeoutMs` for bytes; returns what arrived (possibly none).
    // `failed` is set when the line broke.
    std::vector<std::uint8_t> receive(int timeoutMs, bool& failed);
    bool send(const std::vector<std::uint8_t>& bytes);

private:
    int m_master = -1;
    int m_slave = -1;
    std::string m_devicePath;
};
