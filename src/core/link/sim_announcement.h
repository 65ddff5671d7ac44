#pragma once

#include <string>
#include <vector>

// A running virtual radio (brisko7-sim) announces its pseudo-terminal through
// a small file in the user's runtime folder ($XDG_RUNTIME_DIR, else /tmp):
// "brisko7-sim-<pid>.port", holding the device path on its first line. The
// port directory offers the devices of the announcements whose process still
// runs. Only this user's own announcement files count, and only when they
// name a pseudo-terminal: /tmp is shared with everybody.
namespace SimAnnouncement {

std::string folder();
std::string pathFor(int pid);

// Writes the announcement of this process; false when it cannot be written.
bool write(const std::string& devicePath, std::string& announcementPath);
void remove(const std::string& announcementPath);

struct Entry {
    int pid = 0;
    std::string devicePath;
};

// The announcements in a folder that this user made, whose process is still
// alive and whose device is an existing pseudo-terminal; this user's stale
// files of ended processes are removed.
std::vector<Entry> list(const std::string& folder);
std::vector<Entry> list();

}  // namespace SimAnnouncement
