#pragma once

#include <string>

// Path text helpers. Paths are cut and joined at the platform's separator.
namespace Paths {

#ifdef _WIN32
constexpr char Separator = '\\';
#else
constexpr char Separator = '/';
#endif

// a + separator + b, without doubling a separator that a already ends with.
std::string join(const std::string& a, const std::string& b);

// The configuration root of a program folder: the text before the last
// separator when that separator stands at position 2 or later (1-based);
// otherwise the path unchanged. "/opt/brisko7/V100" gives "/opt/brisko7".
std::string configRootOf(const std::string& programFolder);

// The text after the last separator (the whole text when it has none).
std::string fileNameOfPath(const std::string& path);

// The folder that holds the running executable (falls back to the current folder).
std::string executableFolder();

// True when a file can be created or changed in the folder.
bool folderWritable(const std::string& folder);

// The user's own configuration folder for this program ($XDG_CONFIG_HOME/brisko7
// or ~/.config/brisko7).
std::string userConfigFolder();

// The user's own data folder for this program ($XDG_DATA_HOME/brisko7 or
// ~/.local/share/brisko7): files a user adds beside those of the installation,
// and data that must not be lost when the place the user chose cannot take it.
std::string userDataFolder();

bool fileExists(const std::string& path);

}  // namespace Paths

// The name the rest of the program uses for the file-name helper.
inline std::string FileNameOfPath(const std::string& path)
{
    return Paths::fileNameOfPath(path);
}
