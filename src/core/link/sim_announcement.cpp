#include "link/sim_announcement.h"

#include <cerrno>
#include <csignal>
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
    {
        std::ofstream out(temporary, std::ios::trunc);
        if (!out)
            return false;
        out << devicePath << '\n';
        if (!out.flush())
            return false;
    }
    std::error_code ec;
    std::filesystem::rename(temporary, announcementPath, ec);
    return !ec;
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
        if (pid == 0)
            continue;
        if (!processAlive(pid)) {
            std::filesystem::remove(item.path(), ec);   // left behind by a killed virtual radio
            continue;
        }
        std::ifstream in(item.path());
        std::string device;
        std::getline(in, device);
        if (device.empty() || ::access(device.c_str(), F_OK) != 0)
            continue;
        entries.push_back({pid, device});
    }
    return entries;
}

std::vector<Entry> list() { return list(folder()); }

}  // namespace SimAnnouncement
