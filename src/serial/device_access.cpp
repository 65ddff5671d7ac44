#include "serial/device_access.h"

#include "core/base/lang_texts.h"
#include "lang_text_ids.h"

#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr int TextJoinGroup = Txt::SerialJoinGroup;
constexpr int TextNoGroup = Txt::SerialNoGroup;
constexpr int TextOwnership = Txt::SerialOwnership;

std::string replaced(std::string text, const std::string& value)
{
    const std::string marker = "%1";
    const std::size_t at = text.find(marker);
    if (at == std::string::npos)
        return text + " " + value;
    return text.replace(at, marker.size(), value);
}

std::string userName(uid_t uid)
{
    const passwd* entry = ::getpwuid(uid);
    return entry ? entry->pw_name : std::to_string(uid);
}

std::string groupName(gid_t gid)
{
    const group* entry = ::getgrgid(gid);
    return entry ? entry->gr_name : std::to_string(gid);
}

}  // namespace

bool DeviceAccess::groupGrantsAccess() const
{
    constexpr unsigned GroupReadWrite = 060;
    return (mode & GroupReadWrite) == GroupReadWrite && !group.empty() && group != "root" && group != "0";
}

std::string DeviceAccess::modeText() const
{
    std::string text(1, type);
    const char* letters = "rwx";
    for (int bit = 8; bit >= 0; --bit)
        text += (mode >> bit) & 1u ? letters[(8 - bit) % 3] : '-';
    return text;
}

std::optional<DeviceAccess> InspectDeviceAccess(const std::string& devicePath)
{
    struct stat info {};
    if (::stat(devicePath.c_str(), &info) != 0)
        return std::nullopt;
    DeviceAccess access;
    access.owner = userName(info.st_uid);
    access.group = groupName(info.st_gid);
    access.mode = static_cast<unsigned>(info.st_mode) & 0777u;
    access.type = S_ISCHR(info.st_mode) ? 'c' : S_ISBLK(info.st_mode) ? 'b' : '-';
    return access;
}

bool MayOpenDevice(const std::string& devicePath)
{
    return ::access(devicePath.c_str(), R_OK | W_OK) == 0;
}

std::string PermissionAdvice(const DeviceAccess& access)
{
    std::string text;
    if (access.groupGrantsAccess())
        text = replaced(GetLangText(TextJoinGroup), access.group) + "\r\n    sudo usermod -aG " + access.group
            + " $USER";
    else
        text = replaced(GetLangText(TextNoGroup), access.owner);
    return text + "\r\n" + GetLangText(TextOwnership) + " " + access.owner + " " + access.group + " "
        + access.modeText();
}
