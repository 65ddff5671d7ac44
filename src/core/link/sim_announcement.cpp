#include "core/link/sim_announcement.h"

#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>

namespace SimAnnouncement {

namespace {

constexpr std::string_view Prefix = "brisko7-sim-";
constexpr std::string_view Suffix = ".port";

bool processAlive(int pid)
{
    if (pid <= 0)
        return false;
    return ::kill(pid, 0) == 0 || errno == EPERM;
}

// The pid of a file name "brisko7-sim-<pid>.port", 0 when it is no announcement.
int pidOfName(const std::string& name)
{
    if (name.size() <= Prefix.size() + Suffix.size() || name.compare(0, Prefix.size(), Prefix) != 0
        || name.compare(name.size() - Suffix.size(), Suffix.size(), Suffix) != 0)
        return 0;
    const std::string digits = name.substr(Prefix.size(), name.size() - Prefix.size() - Suffix.size());
    if (digits.empty() || digits.size() > 9 || digits.find_first_not_of("0123456789") != std::string::npos)
        return 0;
    return std::atoi(digits.c_str());
}

// Only a virtual radio of this user may offer a port: the fall-back folder
// /tmp is shared, and a file planted there by someone else must not make the
// program open a device of their choosing.
bool ownRegularFile(const std::string& path)
{
    struct stat st {};
    return ::lstat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) && st.st_uid == ::geteuid();
}

// A virtual radio always sits on a pseudo-terminal.
bool isPseudoTerminal(const std::string& device)
{
    constexpr std::string_view PtsFolder = "/dev/pts/";
    if (device.compare(0, PtsFolder.size(), PtsFolder) != 0 || device.find("..") != std::string::npos)
        return false;
    struct stat st {};
    return ::stat(device.c_str(), &st) == 0 && S_ISCHR(st.st_mode);
}

}  // namespace

std::string folder()
{
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    if (runtime && *runtime) {
        struct stat st {};
        if (::stat(runtime, &st) == 0 && S_ISDIR(st.st_mode))
            return runtime;
    }
    return "/tmp";
}

std::string pathFor(int pid)
{
    return folder() + "/" + std::string(Prefix) + std::to_string(pid) + std::string(Suffix);
}

bool write(const std::string& devicePath, std::string& announcementPath)
{
    announcementPath = pathFor(static_cast<int>(::getpid()));
    const std::string temporary = announcementPath + ".tmp";
    // Never follow or reuse a file that is already there (a link planted in
    // a shared folder would otherwise redirect the write).
    ::unlink(temporary.c_str());
    const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd < 0)
        return false;
    const std::string line = devicePath + "\n";
    const bool written = ::write(fd, line.data(), line.size()) == static_cast<ssize_t>(line.size());
    const bool closed = ::close(fd) == 0;
    if (!written || !closed) {
        ::unlink(temporary.c_str());
        return false;
    }
    if (::rename(temporary.c_str(), announcementPath.c_str()) != 0) {
        ::unlink(temporary.c_str());
        return false;
    }
    return true;
}

void remove(const std::string& announcementPath)
{
    if (!announcementPath.empty())
        ::unlink(announcementPath.c_str());
}

std::vector<Entry> list(const std::string& where)
{
    std::vector<Entry> entries;
    std::error_code ec;
    for (const auto& item : std::filesystem::directory_iterator(where, ec)) {
        const std::string name = item.path().filename().string();
        const int pid = pidOfName(name);
        if (pid == 0 || !ownRegularFile(item.path().string()))
            continue;
        if (!processAlive(pid)) {
            std::filesystem::remove(item.path(), ec);  // left behind by a killed virtual radio
            continue;
        }
        std::ifstream in(item.path());
        std::string device;
        std::getline(in, device);
        if (!isPseudoTerminal(device))
            continue;
        entries.push_back({pid, device});
    }
    return entries;
}

std::vector<Entry> list()
{
    return list(folder());
}

}  // namespace SimAnnouncement
