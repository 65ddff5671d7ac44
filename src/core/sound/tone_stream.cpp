#include "core/sound/tone_stream.h"

#include "core/sound/tone_render.h"

#include <algorithm>

ToneStream::ToneStream(int rate) : m_rate(rate), m_player(*this) {}

std::int64_t ToneStream::nowMicros() const
{
    return m_samples * 1000000 / m_rate;
}

bool ToneStream::start(TonePlayer::TipSource source)
{
    m_buffer.clear();
    m_pos = 0;
    m_bufferStart = -1;
    m_faded = false;
    return m_player.start(std::move(source));
}

void ToneStream::stop()
{
    m_player.stop();
}

void ToneStream::renderStep()
{
    const ToneStep* step = m_player.current();
    if (!step || m_player.stepStartMicros() == m_bufferStart)
        return;
    const std::int64_t first = SampleAtMicros(m_player.stepStartMicros(), m_rate);
    const std::int64_t end = SampleAtMicros(m_player.stepEndMicros(), m_rate);
    m_buffer = RenderToneStep(*step, m_rate, static_cast<std::size_t>(end - first));
    m_faded = false;
    m_pos = static_cast<std::size_t>(std::max<std::int64_t>(0, m_samples - first));
    m_bufferStart = m_player.stepStartMicros();
}

// A playback stopped in the middle of a step: the rest of the step's sound
// fades out quickly instead of breaking off.
std::size_t ToneStream::fadeOut(std::int16_t* out, std::size_t count)
{
    if (!m_faded) {
        const std::size_t fade = static_cast<std::size_t>(m_rate) * ToneFadeMs / 1000;
        m_buffer.resize(m_pos + std::min(m_buffer.size() - m_pos, fade));
        FadeOut(m_buffer.data() + m_pos, m_buffer.size() - m_pos);
        m_faded = true;
    }
    const std::size_t n = std::min(count, m_buffer.size() - m_pos);
    std::copy_n(m_buffer.begin() + static_cast<std::ptrdiff_t>(m_pos), n, out);
    m_pos += n;
    m_samples += static_cast<std::int64_t>(n);
    return n;
}

std::size_t ToneStream::read(std::int16_t* out, std::size_t count)
{
    std::size_t done = 0;
    while (done < count) {
        if (!m_player.update()) {
            done += fadeOut(out + done, count - done);
            break;
        }
        renderStep();
        const std::int64_t end = SampleAtMicros(m_player.stepEndMicros(), m_rate);
        const auto n = static_cast<std::size_t>(std::min<std::int64_t>(count - done, end - m_samples));
        std::copy_n(m_buffer.begin() + static_cast<std::ptrdiff_t>(m_pos), n, out + done);
        m_pos += n;
        m_samples += static_cast<std::int64_t>(n);
        done += n;
    }
    return done;
}

std::vector<std::int16_t> RenderToneTip(const ToneTip& tip, int rate)
{
    ToneStream stream(rate);
    std::vector<std::int16_t> all;
    if (!stream.start([&tip]() -> const ToneTip& { return tip; }))
        return all;
    std::vector<std::int16_t> chunk(static_cast<std::size_t>(rate) / 10);
    while (const std::size_t n = stream.read(chunk.data(), chunk.size()))
        all.insert(all.end(), chunk.begin(), chunk.begin() + static_cast<std::ptrdiff_t>(n));
    return all;
}
