#include "gui/editors/tone_sound.h"

#include "gui/editors/tone_generator.h"
#include "core/sound/tone_render.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QMediaDevices>

#include <vector>

namespace {

constexpr int PaceMs = 10;
constexpr int OutputBufferMs = 100;
// An output that does not go idle this long after the last sample is released anyway.
constexpr qint64 LongestDrainMs = 1000;

}  // namespace

ToneSound::ToneSound(QObject* parent) : QObject(parent), m_stream(DefaultSampleRate)
{
    m_pace.setInterval(PaceMs);
    connect(&m_pace, &QTimer::timeout, this, &ToneSound::pace);
}

ToneSound::~ToneSound()
{
    release();
}

bool ToneSound::play(TonePlayer::TipSource source)
{
    if (m_running || !m_stream.start(std::move(source)))
        return false;
    m_running = true;
    m_draining.invalidate();
    m_silent = !openOutput();
    m_silentFrom = m_stream.samplesRead();
    m_elapsed.start();
    m_pace.start();
    return true;
}

bool ToneSound::openOutput()
{
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull())
        return false;
    QAudioFormat format;
    format.setSampleRate(m_stream.rate());
    format.setChannelCount(1);
    format.setSampleFormat(QAudioFormat::Int16);
    if (!device.isFormatSupported(format))
        return false;
    m_generator = new ToneGenerator(m_stream, this);
    m_generator->open(QIODevice::ReadOnly);
    m_sink = new QAudioSink(device, format, this);
    m_sink->setBufferSize(m_stream.rate() * 2 * OutputBufferMs / 1000);
    connect(m_sink, &QAudioSink::stateChanged, this, &ToneSound::outputStateChanged);
    m_sink->start(m_generator);
    if (m_sink->error() == QAudio::NoError)
        return true;
    closeOutput(true);
    return false;
}

void ToneSound::closeOutput(bool now)
{
    if (m_sink) {
        disconnect(m_sink, nullptr, this, nullptr);
        m_sink->stop();
        now ? delete m_sink : m_sink->deleteLater();
        m_sink = nullptr;
    }
    if (m_generator) {
        m_generator->close();
        now ? delete m_generator : m_generator->deleteLater();
        m_generator = nullptr;
    }
}

void ToneSound::stop()
{
    if (!m_running)
        return;
    m_stream.stop();
    if (!m_sink)
        end();
}

void ToneSound::release()
{
    m_stream.stop();
    m_pace.stop();
    closeOutput(true);
    m_running = false;
}

void ToneSound::pace()
{
    if (!m_sink) {
        dropDueSamples();
        if (!m_stream.active())
            end();
        return;
    }
    if (m_stream.active())
        return;
    if (!m_draining.isValid())
        m_draining.start();
    if (m_sink->state() != QAudio::ActiveState || m_draining.elapsed() > LongestDrainMs)
        end();
}

// Without an output the samples are taken as fast as they would be played.
void ToneSound::dropDueSamples()
{
    const qint64 due = m_silentFrom + m_elapsed.elapsed() * m_stream.rate() / 1000 - m_stream.samplesRead();
    if (due <= 0)
        return;
    std::vector<std::int16_t> dropped(static_cast<std::size_t>(due));
    m_stream.read(dropped.data(), dropped.size());
}

void ToneSound::outputStateChanged()
{
    if (!m_sink)
        return;
    if (m_sink->error() != QAudio::NoError && m_stream.active()) {
        // The output went away during the playback: it goes on silently.
        closeOutput(false);
        m_silent = true;
        m_silentFrom = m_stream.samplesRead();
        m_elapsed.restart();
        return;
    }
    if (m_sink->state() == QAudio::IdleState && !m_stream.active())
        end();
}

void ToneSound::end()
{
    m_pace.stop();
    closeOutput(false);
    if (!m_running)
        return;
    m_running = false;
    emit finished();
}
