#include "gui/editors/tone_generator.h"

#include "core/sound/tone_stream.h"

#include <cstdint>

namespace {

constexpr qint64 BytesPerSample = 2;

}  // namespace

ToneGenerator::ToneGenerator(ToneStream& stream, QObject* parent) : QIODevice(parent), m_stream(stream) {}

qint64 ToneGenerator::bytesAvailable() const
{
    // While the playback lasts there is always a second's worth to give.
    return (m_stream.active() ? m_stream.rate() * BytesPerSample : 0) + QIODevice::bytesAvailable();
}

qint64 ToneGenerator::readData(char* data, qint64 maxSize)
{
    const auto count = static_cast<std::size_t>(maxSize / BytesPerSample);
    const std::size_t read = m_stream.read(reinterpret_cast<std::int16_t*>(data), count);
    return static_cast<qint64>(read) * BytesPerSample;
}
