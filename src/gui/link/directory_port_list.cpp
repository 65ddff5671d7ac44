#include "gui/link/directory_port_list.h"

#include "core/base/app_state.h"

#include "serial/device_access.h"

#include <utility>

DirectoryPortList::DirectoryPortList(std::string setupFilePath) : m_setupFile(std::move(setupFilePath)) {}

PortList::Devices DirectoryPortList::presentPorts()
{
    // The directory is read from the setup file on each scan, so numbers that
    // another running copy of the program stored meanwhile are taken over.
    PortDirectory directory(m_setupFile.empty() ? AppState::instance().setupFilePath() : m_setupFile);
    directory.refresh();
    Devices devices{};
    for (int port = 1; port <= PortCount; ++port) {
        if (!directory.isPresent(port))
            continue;
        const std::string device = directory.devicePath(port);
        devices[port - 1] = {QString::fromStdString(device), directory.isVirtualRadio(port), MayOpenDevice(device)};
    }
    return devices;
}

std::string DirectoryPortList::deviceOf(int portNumber)
{
    if (portNumber < 1 || portNumber > PortCount)
        return {};
    const Devices devices = presentPorts();
    return devices[portNumber - 1].device.toStdString();
}
