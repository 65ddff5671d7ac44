#include "core/sound/tone_sequence.h"

#include <algorithm>

namespace {

constexpr int ToneCount = 14;
constexpr int UnitMs = 10;           // lengths and the pause are kept in 10 ms
constexpr int UnitHz = 10;           // frequencies in 10 Hz
constexpr int ShortestToneMs = 4;    // a tone this short or shorter is left out
constexpr int HighestSilentHz = 48;  // a frequency this low or lower is a rest

}  // namespace

int ToneTipLength(const ToneTip& tip)
{
    int total = 0;
    for (const ToneTipTone& t : tip.Tones)
        total += t.Length * UnitMs;
    return total;
}

ToneTipSilence WhyToneTipSilent(const ToneTip& tip)
{
    if (ToneTipLength(tip) <= ShortestToneMs)
        return ToneTipSilence::TooShort;
    if (tip.LoopCount <= 0)
        return ToneTipSilence::NoLoop;
    return ToneTipSilence::None;
}

ToneSequence::ToneSequence(const ToneTip& atStart)
    : m_passes(std::clamp<int>(atStart.LoopCount, 0, MaxTonePasses)), m_pauseMs(std::max(0, atStart.Interval * UnitMs))
{
}

std::optional<ToneStep> ToneSequence::next(const ToneTip& now)
{
    while (m_pass <= m_passes) {
        if (m_tone > ToneCount) {
            const int pass = m_pass++;
            m_tone = 1;
            if (m_pauseMs > 0)
                return ToneStep{ToneStep::Kind::Pause, 0, m_pauseMs, pass, 0};
            continue;
        }
        const int k = m_tone++;
        const ToneTipTone& t = now.Tones[static_cast<std::size_t>(k - 1)];
        const int durationMs = t.Length * UnitMs;
        if (durationMs <= ShortestToneMs)
            continue;
        const int hz = t.Freq * UnitHz;
        if (hz > HighestSilentHz)
            return ToneStep{ToneStep::Kind::Tone, hz, durationMs, m_pass, k};
        return ToneStep{ToneStep::Kind::Rest, 0, durationMs, m_pass, k};
    }
    return std::nullopt;
}
