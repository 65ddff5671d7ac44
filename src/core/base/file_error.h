#pragma once

#include <cstdint>
#include <string>
#include <system_error>

// A file that could not be opened, read or written is reported with the
// message of its number, then a line naming the file and why, for example
//   /home/ann/radio.dat: permission denied
// so that the user can tell which file failed and what to do about it.
std::string FileErrorText(std::int32_t textNumber, const std::string& path, const std::string& reason);

// The system's own words for an error, starting in lower case like the rest
// of the line they end ("permission denied", "no such file or directory").
std::string SystemReason(const std::error_code& error);
std::string SystemReason(int errnoValue);

// Why a file is no data file of this program: its size in bytes, in the
// program's language (text 9533).
std::string NotADataFileReason(std::uintmax_t sizeInBytes);
// The message for a file that is no data file at all: the reason (text 9533,
// its first letter raised where the language has capitals) leads, the path
// follows on a line of its own.
std::string NotADataFileText(const std::string& path, std::uintmax_t sizeInBytes);
// A data file whose values no radio can hold (text 9534).
std::string DamagedDataFileReason();
