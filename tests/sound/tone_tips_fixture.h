#pragma once

#include "core/model/records.h"
#include "core/sound/tone_sequence.h"

#include <initializer_list>
#include <utility>

// Tone tips as the tests write them: (frequency value, length value) pairs in
// the radio's units (10 Hz, 10 ms), the loop count and the pause (10 ms).
inline ToneTip MakeTip(std::initializer_list<std::pair<int, int>> tones, int loopCount, int interval)
{
    ToneTip tip;
    int k = 0;
    for (const auto& [freq, length] : tones) {
        tip.Tones[static_cast<std::size_t>(k)].Freq = static_cast<std::int16_t>(freq);
        tip.Tones[static_cast<std::size_t>(k++)].Length = static_cast<std::int16_t>(length);
    }
    tip.LoopCount = static_cast<std::int16_t>(loopCount);
    tip.Interval = static_cast<std::int16_t>(interval);
    return tip;
}

// The tip every playback example starts from: 400 Hz for 100 ms, a 50 ms
// rest, twice, with 200 ms after each pass.
inline ToneTip WorkedTip()
{
    return MakeTip({{40, 10}, {0, 5}}, 2, 20);
}

inline ToneStep Tone(int hz, int ms, int pass, int tone)
{
    return {ToneStep::Kind::Tone, hz, ms, pass, tone};
}
inline ToneStep Rest(int ms, int pass, int tone)
{
    return {ToneStep::Kind::Rest, 0, ms, pass, tone};
}
inline ToneStep Pause(int ms, int pass)
{
    return {ToneStep::Kind::Pause, 0, ms, pass, 0};
}
