#pragma once

#include <ctime>
#include <string>
#include <vector>

class Document;

// A copy of what the radio held, kept after every completed read, so that a
// user can go back to it after writing something else. The copies are data
// files under the user's data folder, named by the time of the read, and only
// the newest ones are kept.

inline constexpr int KeptBackups = 100;

// $XDG_DATA_HOME/brisko7/backups (or ~/.local/share/brisko7/backups).
std::string BackupFolder();

struct BackupResult {
    std::string path;    // the file written; empty when it failed
    std::string reason;  // the system's reason of a failure

    bool ok() const { return !path.empty(); }
};

// Writes the document as a data file "2026-12-08_141502_BRISKO7_CB.dat" (the
// local time, the model and the band) into folder, without touching the
// document's file name or its saved state, then removes the oldest backups
// beyond keep.
BackupResult SaveReadBackup(const Document& doc, const std::string& folder, std::time_t when, int keep = KeptBackups);

// The backups in the folder, oldest first (their names sort by time).
std::vector<std::string> ListBackups(const std::string& folder);
