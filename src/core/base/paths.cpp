#include "core/base/paths.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>
#include <unistd.h>

namespace Paths {

std::string join(const std::string& a, const std::string& b)
{
    if (a.empty())
        return b;
    if (a.back() == Separator)
        return a + b;
    return a + Separator + b;
}

std::string configRootOf(const std::string& programFolder)
{
    const auto pos = programFolder.rfind(Separator);
    if (pos == std::string::npos || pos == 0)
        return programFolder;
    return programFolder.substr(0, pos);
}

std::string fileNameOfPath(const std::string& path)
{
    const auto pos = path.rfind(Separator);
    return pos == std::string::npos ? path : path.substr(pos + 1);
}

std::string executableFolder()
{
    std::error_code ec;
    const auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (!ec)
        return exe.parent_path().string();
    return std::filesystem::current_path(ec).string();
}

bool folderWritable(const std::string& folder)
{
    return ::access(folder.c_str(), W_OK) == 0;
}

namespace {

// $<xdgVariable>/brisko7, else ~/<homeFallback>/brisko7, else a folder in the
// temporary folder when there is no home.
std::string userFolder(const char* xdgVariable, const char* homeFallback)
{
    if (const char* xdg = std::getenv(xdgVariable); xdg && *xdg)
        return join(xdg, "brisko7");
    if (const char* home = std::getenv("HOME"); home && *home)
        return join(join(home, homeFallback), "brisko7");
    return join(std::filesystem::temp_directory_path().string(), "brisko7");
}

}  // namespace

std::string userConfigFolder()
{
    return userFolder("XDG_CONFIG_HOME", ".config");
}

std::string userDataFolder()
{
    return userFolder("XDG_DATA_HOME", ".local/share");
}

bool fileExists(const std::string& path)
{
    std::error_code ec;
    return std::filesystem::is_regular_file(path, ec);
}

}  // namespace Paths
