#pragma once

#include "core/model/radio_image.h"

#include <optional>
#include <string>

// The memory files of the virtual radio: a raw 7424-byte image, or a data
// file ("*.dat") of the programs, so that a newcomer can start the radio from
// a file saved in the desktop program and look at what a write left in it.

// Points the data-file functions at the installation this program runs from
// (Init files, version list, language texts).
void PrepareSimInstallation();

// Loads the memory to start from. A data file is encoded as a write would
// send it, and its band is returned.
bool LoadStartImage(const std::string& path, RadioImage& image, std::optional<int>& band, std::string& error);

// Saves the memory: a name ending in ".dat" gets a data file decoded from the
// image with the radio's band, any other name the raw image.
bool SaveRadioMemory(const std::string& path, const RadioImage& image, int band, std::string& error);
