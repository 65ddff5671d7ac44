#include "core/sound/tone_player.h"

TonePlayer::TonePlayer(const ToneClock& clock) : m_clock(clock) {}

bool TonePlayer::start(TipSource source)
{
    if (playing() || !source || !ToneTipPlays(source()))
        return false;
    m_source = std::move(source);
    m_sequence.emplace(m_source());
    if (!enter(m_clock.nowMicros())) {
        m_sequence.reset();
        m_source = nullptr;
        return false;
    }
    return true;
}

void TonePlayer::stop()
{
    if (playing())
        finish();
}

const ToneStep* TonePlayer::update()
{
    const std::int64_t now = m_clock.nowMicros();
    while (m_step && now >= m_stepEnd) {
        if (!enter(m_stepEnd))
            finish();
    }
    return current();
}

// Takes the next step, starting at the given time; false when there is none.
bool TonePlayer::enter(std::int64_t at)
{
    const std::optional<ToneStep> next = m_sequence->next(m_source());
    if (!next)
        return false;
    m_step = next;
    m_stepStart = at;
    m_stepEnd = at + std::int64_t{next->durationMs} * 1000;
    return true;
}

void TonePlayer::finish()
{
    m_step.reset();
    m_sequence.reset();
    m_source = nullptr;
    if (m_finished)
        m_finished();
}
