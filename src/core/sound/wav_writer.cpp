#include "core/sound/wav_writer.h"

namespace {

void put(std::vector<std::uint8_t>& out, std::uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

void putTag(std::vector<std::uint8_t>& out, const char* tag)
{
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<std::uint8_t>(tag[i]));
}

}  // namespace

std::vector<std::uint8_t> WavFileBytes(const std::vector<std::int16_t>& samples, int rate)
{
    constexpr std::uint32_t HeaderBytes = 44;
    constexpr std::uint16_t BytesPerSample = 2;
    const auto dataBytes = static_cast<std::uint32_t>(samples.size() * BytesPerSample);
    std::vector<std::uint8_t> out;
    out.reserve(HeaderBytes + dataBytes);
    putTag(out, "RIFF");
    put(out, HeaderBytes - 8 + dataBytes, 4);
    putTag(out, "WAVE");
    putTag(out, "fmt ");
    put(out, 16, 4);  // size of the format block
    put(out, 1, 2);   // PCM
    put(out, 1, 2);   // one channel
    put(out, static_cast<std::uint32_t>(rate), 4);
    put(out, static_cast<std::uint32_t>(rate) * BytesPerSample, 4);  // bytes per second
    put(out, BytesPerSample, 2);                                     // bytes per frame
    put(out, 16, 2);                                                 // bits per sample
    putTag(out, "data");
    put(out, dataBytes, 4);
    for (const std::int16_t s : samples)
        put(out, static_cast<std::uint16_t>(s), 2);
    return out;
}
