#include "serial/port_directory.h"

#include "core/base/app_state.h"
#include "core/base/ini_file.h"
#include "core/link/sim_announcement.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <utility>

namespace {

std::string keyOf(int portNumber)
{
    return "port" + std::to_string(portNumber);
}

bool contains(const std::vector<std::string>& list, const std::string& item)
{
    return std::find(list.begin(), list.end(), item) != list.end();
}

// "ttyS2" before "ttyS10": names compare by their text, then by their number.
bool naturalLess(const std::string& a, const std::string& b)
{
    auto split = [](const std::string& s) {
        std::size_t i = s.size();
        while (i > 0 && std::isdigit(static_cast<unsigned char>(s[i - 1])))
            --i;
        const long n = i < s.size() ? std::stol(s.substr(i, 9)) : -1;
        return std::make_pair(s.substr(0, i), n);
    };
    return split(a) < split(b);
}

// A ttyS entry has a UART behind it only when the kernel knows its type
// (0 means no hardware answered at that address).
bool uartPresent(const std::filesystem::path& ttyEntry)
{
    std::ifstream in(ttyEntry / "type");
    int type = 0;
    return (in >> type) && type != 0;
}

}  // namespace

PortDirectory::PortDirectory(std::string setupFilePath) : m_setupFile(std::move(setupFilePath))
{
    load();
}

PortDirectory::PortDirectory() : PortDirectory(AppState::instance().setupFilePath()) {}

void PortDirectory::load()
{
    for (int n = 1; n <= MaxPorts; ++n)
        m_assigned[static_cast<std::size_t>(n - 1)] = IniFile::read(m_setupFile, Section, keyOf(n));
}

void PortDirectory::store(int portNumber)
{
    IniFile::write(m_setupFile, Section, keyOf(portNumber), m_assigned[static_cast<std::size_t>(portNumber - 1)]);
}

bool PortDirectory::isPseudoTerminal(const std::string& devicePath)
{
    return devicePath.rfind("/dev/pts/", 0) == 0;
}

void PortDirectory::refresh(const std::vector<std::string>& presentDevices)
{
    load();
    // A virtual radio's pseudo-terminal is gone for good once it is gone.
    for (int n = 1; n <= MaxPorts; ++n) {
        std::string& device = m_assigned[static_cast<std::size_t>(n - 1)];
        if (!device.empty() && isPseudoTerminal(device) && !contains(presentDevices, device)) {
            device.clear();
            store(n);
        }
    }
    for (const std::string& device : presentDevices) {
        if (device.empty() || portNumberOf(device) != 0)
            continue;
        const auto free = std::find(m_assigned.begin(), m_assigned.end(), std::string());
        if (free == m_assigned.end())
            continue;  // beyond 16: not offered
        *free = device;
        store(static_cast<int>(free - m_assigned.begin()) + 1);
    }
    for (std::size_t i = 0; i < m_assigned.size(); ++i)
        m_present[i] = !m_assigned[i].empty() && contains(presentDevices, m_assigned[i]);
}

void PortDirectory::refresh()
{
    refresh(scanSystemDevices());
}

std::array<bool, PortDirectory::MaxPorts> PortDirectory::presentFlags() const
{
    return m_present;
}

bool PortDirectory::isPresent(int portNumber) const
{
    return portNumber >= 1 && portNumber <= MaxPorts && m_present[static_cast<std::size_t>(portNumber - 1)];
}

std::string PortDirectory::devicePath(int portNumber) const
{
    if (portNumber < 1 || portNumber > MaxPorts)
        return {};
    return m_assigned[static_cast<std::size_t>(portNumber - 1)];
}

int PortDirectory::portNumberOf(const std::string& devicePath) const
{
    const auto it = std::find(m_assigned.begin(), m_assigned.end(), devicePath);
    return devicePath.empty() || it == m_assigned.end() ? 0 : static_cast<int>(it - m_assigned.begin()) + 1;
}

bool PortDirectory::isVirtualRadio(int portNumber) const
{
    return isPseudoTerminal(devicePath(portNumber));
}

std::vector<std::string> PortDirectory::scanSystemDevices()
{
    std::vector<std::string> names;
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator("/sys/class/tty", ec)) {
        const std::string name = entry.path().filename().string();
        const bool usb = name.rfind("ttyUSB", 0) == 0 || name.rfind("ttyACM", 0) == 0;
        const bool uart = name.rfind("ttyS", 0) == 0 && uartPresent(entry.path());
        if ((usb || uart) && std::filesystem::exists("/dev/" + name, ec))
            names.push_back(name);
    }
    std::sort(names.begin(), names.end(), naturalLess);
    std::vector<std::string> devices;
    for (const std::string& name : names)
        devices.push_back("/dev/" + name);
    for (const auto& announced : SimAnnouncement::list())
        if (!contains(devices, announced.devicePath))
            devices.push_back(announced.devicePath);
    return devices;
}
