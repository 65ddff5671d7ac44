#pragma once

#include "release.h"

#include <string>

// What `--version` prints, the same for every program of the package: the
// program's name, its release (the package version) and the data version it
// reads and writes, on one line, e.g. "brisko7-cli 1.0.0 (data version V100)".
inline std::string VersionLine(const std::string& program)
{
    return program + " " BRISKO7_RELEASE " (data version " BRISKO7_PROGRAM_VERSION ")";
}
