#pragma once

#include <cstdint>
#include <vector>

// The bytes of a WAV file (RIFF, PCM, 16-bit, one channel) holding the samples.
std::vector<std::uint8_t> WavFileBytes(const std::vector<std::int16_t>& samples, int rate);
