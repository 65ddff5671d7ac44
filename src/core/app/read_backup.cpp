#include "core/app/read_backup.h"

#include "core/app/data_file.h"
#include "core/base/file_save.h"
#include "core/base/paths.h"
#include "core/base/version_list.h"
#include "core/model/band_range.h"
#include "core/model/data_file_format.h"
#include "core/model/document.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <regex>
#include <system_error>

namespace {

// "2026-12-08_141502_" and a name ending in ".dat".
const std::regex& backupName()
{
    static const std::regex pattern(R"(\d{4}-\d{2}-\d{2}_\d{6}_.*\.dat)");
    return pattern;
}

std::string stampOf(std::time_t when)
{
    char stamp[32] = {};
    std::tm local{};
    localtime_r(&when, &local);
    std::strftime(stamp, sizeof stamp, "%Y-%m-%d_%H%M%S", &local);
    return stamp;
}

// A name not used yet: two reads within one second keep both copies.
std::string freeName(const std::string& folder, const std::string& base)
{
    std::string name = base + ".dat";
    for (int n = 2; Paths::fileExists(Paths::join(folder, name)); ++n)
        name = base + "_" + std::to_string(n) + ".dat";
    return name;
}

void removeOldest(const std::string& folder, int keep)
{
    std::vector<std::string> backups = ListBackups(folder);
    const auto excess = static_cast<std::ptrdiff_t>(backups.size()) - std::max(keep, 1);
    for (std::ptrdiff_t i = 0; i < excess; ++i) {
        std::error_code ec;
        std::filesystem::remove(Paths::join(folder, backups[static_cast<std::size_t>(i)]), ec);
    }
}

}  // namespace

std::string BackupFolder()
{
    return Paths::join(Paths::userDataFolder(), "backups");
}

BackupResult SaveReadBackup(const Document& doc, const std::string& folder, std::time_t when, int keep)
{
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    if (ec)
        return {{}, ec.message()};
    DocumentRecord record = doc.Record;
    record.Model = {doc.ModelName, doc.BandMode, VersionList::OwnVersion};
    const std::string path = Paths::join(
        folder,
        freeName(folder, stampOf(when) + "_" + ModelDisplayName(doc.ModelName) + "_" + BandModeName(doc.BandMode)));
    const FileSaveResult saved = SaveFileBytes(path, WriteDataFileBytes(record, doc.ChannelList));
    if (!saved.ok())
        return {{}, saved.systemMessage.empty() ? std::strerror(EIO) : saved.systemMessage};
    removeOldest(folder, keep);
    return {path, {}};
}

std::vector<std::string> ListBackups(const std::string& folder)
{
    std::vector<std::string> names;
    std::error_code ec;
    for (std::filesystem::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (it->is_regular_file(ec) && std::regex_match(name, backupName()))
            names.push_back(name);
    }
    std::sort(names.begin(), names.end());
    return names;
}
