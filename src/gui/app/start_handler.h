#pragma once

#include <string>

// Starts the installed program version that handles a data version: the
// program of the same file name in that version's folder under the
// configuration root, detached, in a normal window. Shows text 9063 when no
// installed version handles it, and text 9526 when the program could not be
// started. Returns true when the other program was started; only then does
// the caller end this program.
bool StartHandler(const std::string& dataVersion);
