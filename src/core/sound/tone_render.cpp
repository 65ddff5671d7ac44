#include "core/sound/tone_render.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double Amplitude = 0.45 * 32767.0;
constexpr double Pi = 3.14159265358979323846;

// A raised-cosine ramp from 0 (i = 0) towards 1 (i = n).
double ramp(std::size_t i, std::size_t n)
{
    return 0.5 - 0.5 * std::cos(Pi * static_cast<double>(i) / static_cast<double>(n));
}

}  // namespace

std::int64_t SampleAtMicros(std::int64_t micros, int rate)
{
    // The first sample at or after the moment.
    return (micros * rate + 999999) / 1000000;
}

std::vector<std::int16_t> RenderToneStep(const ToneStep& step, int rate, std::size_t count)
{
    std::vector<std::int16_t> samples(count, 0);
    if (step.kind != ToneStep::Kind::Tone || rate <= 0 || step.frequencyHz * 2 >= rate)
        return samples;
    const std::size_t fade = std::min<std::size_t>(static_cast<std::size_t>(rate) * ToneFadeMs / 1000, count / 2);
    const double perSample = 2.0 * Pi * step.frequencyHz / rate;
    for (std::size_t i = 0; i < count; ++i) {
        double gain = 1.0;
        if (i < fade)
            gain = ramp(i, fade);
        else if (count - i <= fade)
            gain = ramp(count - i - 1, fade);
        samples[i] = static_cast<std::int16_t>(std::lround(Amplitude * gain * std::sin(perSample * i)));
    }
    return samples;
}

void FadeOut(std::int16_t* samples, std::size_t count)
{
    for (std::size_t i = 0; i < count; ++i)
        samples[i] = static_cast<std::int16_t>(std::lround(samples[i] * ramp(count - i - 1, count)));
}
