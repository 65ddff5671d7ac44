#include "core/base/file_save.h"

#include "core/base/file_error.h"

#include <cctype>
#include <cerrno>
#include <cstring>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <filesystem>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

// Linux gives up on a path after 40 links; so does a save.
constexpr int MaxLinkHops = 40;
constexpr const char* LeftoverMark = ".brisko7-";
constexpr const char* LeftoverSuffix = ".tmp";
constexpr std::size_t RandomLength = 12;
// Room for the mark, the random part and the suffix within a 255-byte name.
constexpr std::size_t MaxBaseLength = 200;

FileSaveResult failure(FileSaveProblem problem, int error = 0)
{
    return {problem, error != 0 ? SystemReason(error) : std::string()};
}

std::string randomPart()
{
    static const char Alphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    std::random_device random;
    std::uniform_int_distribution<std::size_t> pick(0, sizeof Alphabet - 2);
    std::string s;
    for (std::size_t i = 0; i < RandomLength; ++i)
        s += Alphabet[pick(random)];
    return s;
}

// ".<name>.brisko7-<random>.tmp": hidden, beside the target, and recognisable.
std::string temporaryName(const std::string& targetName)
{
    return "." + targetName.substr(0, MaxBaseLength) + LeftoverMark + randomPart() + LeftoverSuffix;
}

bool ownedByUserOrRoot(const struct stat& st)
{
    return st.st_uid == ::geteuid() || st.st_uid == 0;
}

// Creates the temporary file exclusively: an existing file or a planted link
// under the chosen name makes the open fail, and another name is tried.
int createTemporary(const fs::path& folder, const std::string& targetName, std::string& created)
{
    for (int attempt = 0; attempt < 16; ++attempt) {
        const fs::path candidate = folder / temporaryName(targetName);
        const int fd = ::open(candidate.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
        if (fd >= 0) {
            created = candidate.string();
            return fd;
        }
        if (errno != EEXIST)
            return -1;
    }
    errno = EEXIST;
    return -1;
}

bool writeAll(int fd, const std::vector<std::uint8_t>& bytes)
{
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += static_cast<std::size_t>(n);
    }
    return true;
}

// The permissions the saved file ends up with: those of the file it replaces
// (and, for the superuser, its owner), or what a newly created file gets.
bool applyFinalMode(int fd, const struct stat* replaced)
{
    if (replaced) {
        // The superuser saving someone's file gives it back to its owner; the
        // file is complete without that, so a refusal changes nothing.
        if (::geteuid() == 0 && ::fchown(fd, replaced->st_uid, replaced->st_gid) != 0)
            errno = 0;
        return ::fchmod(fd, replaced->st_mode & 07777) == 0;
    }
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return ::fchmod(fd, 0666 & ~mask) == 0;
}

void flushFolder(const fs::path& folder)
{
    const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    ::fsync(fd);
    ::close(fd);
}

// Writes, flushes and renames the temporary file; removes it on any failure.
FileSaveResult writeThroughTemporary(const fs::path& target, const std::vector<std::uint8_t>& bytes,
                                     const struct stat* replaced)
{
    const fs::path folder = target.parent_path();
    std::string temporary;
    const int fd = createTemporary(folder.empty() ? fs::path(".") : folder, target.filename().string(), temporary);
    if (fd < 0)
        return failure(FileSaveProblem::WriteFailed, errno);
    bool ok = writeAll(fd, bytes) && ::fsync(fd) == 0 && applyFinalMode(fd, replaced);
    int error = ok ? 0 : errno;
    if (::close(fd) != 0 && ok) {
        ok = false;
        error = errno;
    }
    if (ok && ::rename(temporary.c_str(), target.c_str()) != 0) {
        ok = false;
        error = errno;
    }
    if (!ok) {
        ::unlink(temporary.c_str());
        return failure(FileSaveProblem::WriteFailed, error);
    }
    flushFolder(folder);
    return {};
}

}  // namespace

FileSaveProblem ResolveSaveTarget(const std::string& path, std::string& target)
{
    fs::path current = path;
    for (int hop = 0; hop <= MaxLinkHops; ++hop) {
        struct stat st {};
        if (::lstat(current.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) {
            target = current.string();  // a file, something else, or nothing yet
            return FileSaveProblem::None;
        }
        if (!ownedByUserOrRoot(st))
            return FileSaveProblem::ForeignLink;
        std::error_code ec;
        const fs::path next = fs::read_symlink(current, ec);
        if (ec)
            return FileSaveProblem::WriteFailed;
        current = next.is_absolute() ? next : current.parent_path() / next;
    }
    return FileSaveProblem::LinkLoop;
}

FileSaveResult SaveFileBytes(const std::string& path, const std::vector<std::uint8_t>& bytes)
{
    std::string resolved;
    if (const FileSaveProblem problem = ResolveSaveTarget(path, resolved); problem != FileSaveProblem::None)
        return failure(problem);
    const fs::path target = resolved;
    RemoveSaveLeftovers(target.parent_path().empty() ? "." : target.parent_path().string(), SaveLeftoverMaxAgeSeconds);
    struct stat existing {};
    const bool replacing = ::lstat(target.c_str(), &existing) == 0;
    // Only a regular file is replaced: never a folder, a device or a pipe;
    // and only one the user could have written in place.
    if (replacing && !S_ISREG(existing.st_mode))
        return failure(FileSaveProblem::NotAFile);
    if (replacing && ::access(target.c_str(), W_OK) != 0)
        return failure(FileSaveProblem::NoAccess, errno);
    return writeThroughTemporary(target, bytes, replacing ? &existing : nullptr);
}

bool WriteFileWhole(const std::string& path, const std::vector<std::uint8_t>& bytes)
{
    return SaveFileBytes(path, bytes).ok();
}

bool IsSaveLeftoverName(const std::string& name)
{
    const std::size_t mark = std::strlen(LeftoverMark);
    const std::size_t suffix = std::strlen(LeftoverSuffix);
    const std::size_t tail = mark + RandomLength + suffix;
    if (name.size() < tail + 2 || name[0] != '.' || !name.ends_with(LeftoverSuffix))
        return false;
    const std::size_t at = name.size() - tail;
    if (name.compare(at, mark, LeftoverMark) != 0)
        return false;
    for (std::size_t i = at + mark; i < name.size() - suffix; ++i)
        if (!std::isalnum(static_cast<unsigned char>(name[i])))
            return false;
    return true;
}

int RemoveSaveLeftovers(const std::string& folder, long maxAgeSeconds)
{
    DIR* dir = ::opendir(folder.c_str());
    if (!dir)
        return 0;
    const int dirFd = ::dirfd(dir);
    const std::time_t now = std::time(nullptr);
    int removed = 0;
    while (const dirent* entry = ::readdir(dir)) {
        if (!IsSaveLeftoverName(entry->d_name))
            continue;
        struct stat st {};
        if (::fstatat(dirFd, entry->d_name, &st, AT_SYMLINK_NOFOLLOW) != 0)
            continue;
        if (!S_ISREG(st.st_mode) || st.st_uid != ::geteuid() || now - st.st_mtime < maxAgeSeconds)
            continue;
        if (::unlinkat(dirFd, entry->d_name, 0) == 0)
            ++removed;
    }
    ::closedir(dir);
    return removed;
}
