#pragma once

#include "core/sound/tone_sequence.h"

#include <cstddef>
#include <cstdint>
#include <vector>

// The sound of tone steps as 16-bit mono PCM. A tone is a sine that fades in
// and out over a few milliseconds, so that neither its start nor its end
// clicks; rests and pauses are silence. A tone at or above half the sample
// rate cannot be represented and stays silent.

inline constexpr int DefaultSampleRate = 48000;
inline constexpr int LowestSampleRate = 8000;
inline constexpr int HighestSampleRate = 192000;

// Milliseconds of fade at each end of a tone (less for a tone too short for two).
inline constexpr int ToneFadeMs = 5;

// The sample count of a step that runs from startMicros to endMicros on a
// clock counting samples at rate, so that steps laid end to end share their
// boundaries exactly.
std::int64_t SampleAtMicros(std::int64_t micros, int rate);

// count samples of the step.
std::vector<std::int16_t> RenderToneStep(const ToneStep& step, int rate, std::size_t count);

// Multiplies the first samples by a ramp from full to nothing, so that a
// sound cut off early ends without a click.
void FadeOut(std::int16_t* samples, std::size_t count);
