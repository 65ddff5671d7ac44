#pragma once

#include <optional>
#include <string>

// Who may open a serial device, read from the device itself, and what a user
// who may not can do about it. Serial devices are usually owned by root and
// shared with one group ("dialout" on Debian, "uucp" elsewhere); the group
// that grants access is the one the device names, not a guess.
struct DeviceAccess {
    std::string owner;  // user name, or the number when it has none
    std::string group;  // group name, or the number when it has none
    unsigned mode = 0;  // permission bits (0660 for rw-rw----)
    char type = 'c';    // 'c' character device, 'b' block device, '-' anything else
    // Members of the group may read and write the device. The root group is
    // never offered: joining it would hand out far more than a serial port.
    bool groupGrantsAccess() const;
    // "crw-rw----", as ls shows it.
    std::string modeText() const;
};

// The owner, group and mode of a device; nothing when it cannot be examined.
std::optional<DeviceAccess> InspectDeviceAccess(const std::string& devicePath);

// True when this user may open the device for reading and writing.
bool MayOpenDevice(const std::string& devicePath);

// What to tell a user who was refused the device: the group to join with
// the exact command (then log in again), or that no group grants access, and
// the device's owner, group and mode on a line of their own.
std::string PermissionAdvice(const DeviceAccess& access);
