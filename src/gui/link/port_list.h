#pragma once

#include <QString>

#include <array>

// The serial devices that stand behind the port numbers 1..16 right now. The
// port dialog asks it every second, so that an adapter plugged in or pulled
// out shows within a second; tests give it a list of their own.
class PortList {
public:
    static constexpr int PortCount = 16;
    struct Entry {
        QString device;             // empty: no device behind the number
        bool virtualRadio = false;  // the pseudo-terminal of a running brisko7-sim
        bool accessible = true;     // this user may open the device
    };
    // Entry n-1 is port n.
    using Devices = std::array<Entry, PortCount>;

    virtual ~PortList() = default;
    virtual Devices presentPorts() = 0;
};
