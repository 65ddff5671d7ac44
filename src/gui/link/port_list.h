#pragma once

#include <QString>

#include <array>

// The serial devices that stand behind the port numbers 1..16 right now. The
// port dialog asks it every second, so that an adapter plugged in or pulled
// out shows within a second; tests give it a list of their own.
class PortList {
public:
    static constexpr int PortCount = 16;
    // Entry n-1 names the device of port n; an empty text means no device.
    using Devices = std::array<QString, PortCount>;

    virtual ~PortList() = default;
    virtual Devices presentPorts() = 0;
};
