#pragma once

#include "core/sound/tone_clock.h"
#include "core/sound/tone_sequence.h"

#include <cstdint>
#include <functional>
#include <optional>

// Plays a tone tip as a state machine on the event loop: idle or playing one
// step (a tone, a rest or the pause after a pass). Whoever owns the clock
// calls update() as time goes by; the player moves on to the step due then,
// reading the tip at that moment. Steps are laid end to end on the clock, so
// late calls never stretch the melody. Stop ends the playback at once,
// whatever is sounding.
class TonePlayer {
public:
    // The tip to read the next tone from: the one shown when it is due.
    using TipSource = std::function<const ToneTip&()>;

    explicit TonePlayer(const ToneClock& clock);

    // Called once when a playback ends: all passes done or stopped.
    void setFinishedHandler(std::function<void()> handler) { m_finished = std::move(handler); }

    // Starts playing the tip the source gives now. False, and nothing
    // happens, when that tip would not play (or a playback runs already).
    bool start(TipSource source);
    void stop();

    // Moves on to the step due at the clock's time. The step sounding now,
    // or nullptr when idle.
    const ToneStep* update();

    bool playing() const { return m_step.has_value(); }
    const ToneStep* current() const { return m_step ? &*m_step : nullptr; }
    std::int64_t stepStartMicros() const { return m_stepStart; }
    std::int64_t stepEndMicros() const { return m_stepEnd; }

private:
    bool enter(std::int64_t at);
    void finish();

    const ToneClock& m_clock;
    TipSource m_source;
    std::optional<ToneSequence> m_sequence;
    std::optional<ToneStep> m_step;
    std::int64_t m_stepStart = 0;
    std::int64_t m_stepEnd = 0;
    std::function<void()> m_finished;
};
