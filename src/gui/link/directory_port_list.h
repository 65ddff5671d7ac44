#pragma once

#include "gui/link/port_list.h"

#include "serial/port_directory.h"

// The port list of this system: the port directory rescanned on every call,
// so that the numbers it hands out are stored as soon as a device shows up.
class DirectoryPortList : public PortList {
public:
    DirectoryPortList() = default;
    explicit DirectoryPortList(std::string setupFilePath);

    Devices presentPorts() override;
    // The present device behind a port number, after a fresh scan ("" when none).
    std::string deviceOf(int portNumber);

private:
    std::string m_setupFile;  // empty: the program's setup file
};
