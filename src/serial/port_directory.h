#pragma once

#include <array>
#include <string>
#include <vector>

// Linux has no port numbers, the radio link has: the present serial devices
// (ttyS with hardware behind them, ttyUSB, ttyACM, and the pseudo-terminals
// that a running brisko7-sim announces) get stable numbers 1..16. The numbers
// live in the setup file, section "ports", one key "portN" per number naming
// the device. A device seen for the first time takes the lowest free number,
// as the operating system does with COM numbers; a device beyond 16 is not
// offered. A hardware device keeps its number while unplugged; the number of
// a virtual radio's pseudo-terminal is freed once it is gone (each run gets a
// new one).
class PortDirectory {
public:
    static constexpr int MaxPorts = 16;
    static constexpr const char* Section = "ports";

    // Port numbers kept in this setup file.
    explicit PortDirectory(std::string setupFilePath);
    // ... in AppState::instance().setupFilePath().
    PortDirectory();

    // Takes the list of present devices (paths such as "/dev/ttyUSB0"), gives
    // new ones numbers and stores changed assignments.
    void refresh(const std::vector<std::string>& presentDevices);
    // The same with the devices this system has now.
    void refresh();

    // Present flags of ports 1..16 (index 0 = port 1), as FrmSetComm shows them.
    std::array<bool, MaxPorts> presentFlags() const;
    bool isPresent(int portNumber) const;
    // The device assigned to a port number ("" when none); present or not.
    std::string devicePath(int portNumber) const;
    // The port number of a device, 0 when it has none.
    int portNumberOf(const std::string& devicePath) const;
    // True when the device behind the number is a virtual radio's pseudo-terminal.
    bool isVirtualRadio(int portNumber) const;

    // The serial devices of this system now: /sys/class/tty entries with a
    // device behind them (ttyS only when the UART is real), ttyUSB*, ttyACM*,
    // then the pseudo-terminals of running virtual radios.
    static std::vector<std::string> scanSystemDevices();
    static bool isPseudoTerminal(const std::string& devicePath);

private:
    void load();
    void store(int portNumber);

    std::string m_setupFile;
    std::array<std::string, MaxPorts> m_assigned;  // index 0 = port 1
    std::array<bool, MaxPorts> m_present{};
    std::vector<std::string> m_virtual;  // announced pseudo-terminals
};
