#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Saving a file so that no crash, kill or full disk can tear it, and so that
// nobody else who may write the folder can redirect the save.
//
// The bytes go to a temporary file beside the target, created under a random
// name, exclusively and without following links. Only when every byte is on
// disk is it renamed over the target, and the folder is flushed after that.
// A target that is a symbolic link keeps its link: the chain is followed to
// its end (which may not exist yet), but only through links owned by the user
// or by root. Temporary files that a killed save left behind are recognised
// by their name and removed from a folder the next time a file in it is saved,
// once they are a day old.

enum class FileSaveProblem {
    None,
    NotAFile,     // the target is a folder, a device, a pipe...
    NoAccess,     // the user may not write the target
    ForeignLink,  // a link on the way belongs to another user
    LinkLoop,     // the links lead round in a circle (or too far)
    WriteFailed,  // creating, writing, flushing or renaming failed
};

struct FileSaveResult {
    FileSaveProblem problem = FileSaveProblem::None;
    std::string systemMessage;  // the operating system's reason, when it gave one

    bool ok() const { return problem == FileSaveProblem::None; }
};

// Writes bytes to path whole, or leaves path exactly as it was.
FileSaveResult SaveFileBytes(const std::string& path, const std::vector<std::uint8_t>& bytes);

// The same, for callers that only need to know whether it worked.
bool WriteFileWhole(const std::string& path, const std::vector<std::uint8_t>& bytes);

// The file a save of path writes: the end of its chain of links (or path
// itself), or a problem when a link is foreign or the chain does not end.
FileSaveProblem ResolveSaveTarget(const std::string& path, std::string& target);

// True for the names of this program's temporary save files.
bool IsSaveLeftoverName(const std::string& name);

// Removes from folder the temporary save files that are older than
// maxAgeSeconds: only regular files the user owns, never through a link.
// Returns how many were removed.
int RemoveSaveLeftovers(const std::string& folder, long maxAgeSeconds);

// Age after which a save removes the leftovers beside its target.
inline constexpr long SaveLeftoverMaxAgeSeconds = 24L * 60 * 60;
