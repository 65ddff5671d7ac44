#pragma once

#include "core/sound/tone_clock.h"
#include "core/sound/tone_player.h"

#include <cstddef>
#include <cstdint>
#include <vector>

// A tone playback as a stream of 16-bit mono samples. The samples handed out
// are the player's clock: a tone is due when the one before it has been
// played out to its last sample, so the melody keeps its timing however the
// sound device takes the samples. The desktop program feeds the stream to
// its sound device (or, without one, drops the samples at the pace of a
// wall clock); the command-line tool writes them to a file.
class ToneStream : private ToneClock {
public:
    explicit ToneStream(int rate);

    int rate() const { return m_rate; }
    TonePlayer& player() { return m_player; }

    // Starts a playback (see TonePlayer::start) at the current sample.
    bool start(TonePlayer::TipSource source);
    // Stops the playback; what is sounding fades out within a few milliseconds.
    void stop();

    // Up to count samples of the playback; fewer (0 at the end) once it is
    // over and its last sound has faded.
    std::size_t read(std::int16_t* out, std::size_t count);
    // True while read() still has samples to give.
    bool active() const { return m_player.playing() || m_pos < m_buffer.size(); }

    std::int64_t samplesRead() const { return m_samples; }

private:
    std::int64_t nowMicros() const override;
    void renderStep();
    std::size_t fadeOut(std::int16_t* out, std::size_t count);

    int m_rate;
    TonePlayer m_player;
    std::int64_t m_samples = 0;          // samples handed out so far
    std::vector<std::int16_t> m_buffer;  // the samples of the current step
    std::size_t m_pos = 0;               // next sample of the buffer
    std::int64_t m_bufferStart = -1;     // the step the buffer holds, by its start on the clock
    bool m_faded = false;                // the stopped step's end has been faded out
};

// The whole playback of a tip, as Play sounds it, for a tip that does not change.
std::vector<std::int16_t> RenderToneTip(const ToneTip& tip, int rate);
