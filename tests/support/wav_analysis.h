#pragma once

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

// Reads back what a tone playback sounds like: the sound and silence of a
// 16-bit mono sample stream as runs, and the pitch of a run measured from its
// rising zero crossings. Tests compare these with what the tip says.
namespace WavAnalysis {

struct Pcm {
    int rate = 0;
    int channels = 0;
    int bits = 0;
    std::vector<std::int16_t> samples;
};

// The samples of a WAV file of the plain 44-byte layout; nothing for anything else.
inline std::optional<Pcm> ParseWav(const std::vector<std::uint8_t>& bytes)
{
    auto u32 = [&bytes](std::size_t at) {
        return std::uint32_t{bytes[at]} | std::uint32_t{bytes[at + 1]} << 8 | std::uint32_t{bytes[at + 2]} << 16
            | std::uint32_t{bytes[at + 3]} << 24;
    };
    auto u16 = [&bytes](std::size_t at) { return static_cast<int>(bytes[at] | bytes[at + 1] << 8); };
    auto tag = [&bytes](std::size_t at, const char* t) {
        return std::equal(t, t + 4, bytes.begin() + static_cast<std::ptrdiff_t>(at));
    };
    if (bytes.size() < 44 || !tag(0, "RIFF") || !tag(8, "WAVE") || !tag(12, "fmt ") || !tag(36, "data")
        || u32(4) != bytes.size() - 8 || u32(40) != bytes.size() - 44 || u16(20) != 1)
        return std::nullopt;
    Pcm pcm{static_cast<int>(u32(24)), u16(22), u16(34), {}};
    if (u32(28) != static_cast<std::uint32_t>(pcm.rate * pcm.channels * pcm.bits / 8))
        return std::nullopt;
    for (std::size_t at = 44; at + 1 < bytes.size(); at += 2)
        pcm.samples.push_back(static_cast<std::int16_t>(u16(at)));
    return pcm;
}

struct Run {
    bool sound = false;
    std::size_t first = 0;  // sample index
    std::size_t count = 0;
    double ms(int rate) const { return 1000.0 * static_cast<double>(count) / rate; }
};

// Sound and silence in turn. Silence is a stretch of zero samples at least a
// millisecond long; shorter ones (a sine passing through zero, the quiet start
// of a fade) belong to the sound around them.
inline std::vector<Run> Runs(const std::vector<std::int16_t>& samples, int rate)
{
    const std::size_t minSilence = static_cast<std::size_t>(rate) / 1000;
    std::vector<Run> runs;
    auto add = [&runs](bool sound, std::size_t first, std::size_t count) {
        if (!runs.empty() && runs.back().sound == sound)
            runs.back().count += count;
        else
            runs.push_back({sound, first, count});
    };
    for (std::size_t i = 0; i < samples.size();) {
        std::size_t end = i;
        while (end < samples.size() && samples[end] == 0)
            ++end;
        if (end == i) {
            add(true, i++, 1);
            continue;
        }
        add(end - i < minSilence, i, end - i);
        i = end;
    }
    return runs;
}

// The frequency of the sound in a run: whole cycles between the first and the
// last rising zero crossing, each crossing placed between its two samples.
inline double PitchHz(const std::vector<std::int16_t>& samples, const Run& run, int rate)
{
    std::vector<double> rising;
    for (std::size_t i = run.first + 1; i < run.first + run.count; ++i) {
        const double a = samples[i - 1];
        const double b = samples[i];
        if (a < 0 && b >= 0)
            rising.push_back(static_cast<double>(i - 1) + (-a) / (b - a));
    }
    if (rising.size() < 2)
        return 0;
    return static_cast<double>(rising.size() - 1) * rate / (rising.back() - rising.front());
}

}  // namespace WavAnalysis
