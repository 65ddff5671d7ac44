#pragma once

#include "virtual_radio/virtual_radio.h"
#include "virtual_radio/virtual_radio_memory.h"

#include <optional>
#include <string>
#include <vector>

// Everything a virtual radio can be told on its command line.
struct SimOptions {
    VirtualRadioIdentity identity;
    VirtualRadioFaults faults;
    RadioInfoFields info;
    bool bandGiven = false;       // --band given: it wins over the band of a data file
    std::optional<int> infoBand;  // band code in the information area; default: the radio's band
    std::string imageFile;        // memory to start from (image or data file); default: a fresh radio
    std::string infoFile;         // information area to serve (256 bytes)
    std::string saveFile;         // where a written memory goes after each session (".dat": a data file)
    bool pace = false;            // 9600 baud: 1/960 s per byte either way
    bool once = false;            // exit after the first session ("END")
    bool announce = true;         // offer the terminal to the desktop program's port list
    bool quiet = false;
    bool help = false;
};

// Parses the arguments (without the program name). On a mistake returns
// nothing and puts the reason into `error`.
std::optional<SimOptions> ParseSimOptions(const std::vector<std::string>& args, std::string& error);

// The option summary printed by --help.
const char* SimUsage();
