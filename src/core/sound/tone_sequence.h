#pragma once

#include "core/model/records.h"

#include <optional>

// How a tone tip sounds: its fourteen tones in order, then the pause after the
// pass, as many passes as the loop count says. The radio keeps frequencies in
// 10 Hz and lengths in 10 ms; a tone whose length is 4 ms or less is left out,
// a frequency of 48 Hz or less is a rest (silence of the tone's length).

// No playback makes more passes than the loop-count list offers, whatever a
// file or a radio stored.
inline constexpr int MaxTonePasses = 10;

struct ToneStep {
    enum class Kind { Tone, Rest, Pause };
    Kind kind = Kind::Pause;
    int frequencyHz = 0;  // with Kind::Tone
    int durationMs = 0;
    int pass = 0;  // 1..passes
    int tone = 0;  // 1..14; 0 for the pause after a pass

    bool operator==(const ToneStep&) const = default;
};

// The sum of the fourteen lengths, in milliseconds.
int ToneTipLength(const ToneTip& tip);

// Why a tip would not play: nothing when it plays.
enum class ToneTipSilence { None, TooShort, NoLoop };
ToneTipSilence WhyToneTipSilent(const ToneTip& tip);
inline bool ToneTipPlays(const ToneTip& tip)
{
    return WhyToneTipSilent(tip) == ToneTipSilence::None;
}

// The steps of one playback. The loop count (at most MaxTonePasses) and the
// pause are taken when the playback starts; each tone is read from the tip
// handed to next() at the moment it is due, so that edits and a change of the
// shown tip take effect while it plays. Pauses of 0 ms are left out, so a
// pass with nothing to sound yields no step at all and playback simply ends
// after its passes.
class ToneSequence {
public:
    explicit ToneSequence(const ToneTip& atStart);

    // The next step, or nothing when the playback is over.
    std::optional<ToneStep> next(const ToneTip& now);

    int passes() const { return m_passes; }
    int pauseMs() const { return m_pauseMs; }

private:
    int m_passes = 0;
    int m_pauseMs = 0;
    int m_pass = 1;
    int m_tone = 1;  // next tone to look at; 15 = the pause is due
};
