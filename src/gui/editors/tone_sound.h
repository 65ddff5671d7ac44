#pragma once

#include "core/sound/tone_player.h"
#include "core/sound/tone_stream.h"

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

class QAudioSink;
class ToneGenerator;

// Plays tone tips on the computer's default sound output. One output is
// opened in pull mode for a whole playback and released when it ends, so
// that the samples it has taken are the clock of the melody. Without an
// output (a server, a machine without sound) the playback keeps its timing
// silently: the samples are dropped at the pace of a wall clock.
class ToneSound : public QObject {
    Q_OBJECT
public:
    explicit ToneSound(QObject* parent = nullptr);
    ~ToneSound() override;

    // Starts playing; false when the tip would not play or a playback runs.
    bool play(TonePlayer::TipSource source);
    // Ends the playback; what sounds fades out at once.
    void stop();
    // Ends the playback and releases the sound output now (a window closing).
    void release();

    bool playing() const { return m_running; }
    // True when the last playback found no sound output and ran silently.
    bool silent() const { return m_silent; }
    // The playback's position in its stream, in samples.
    qint64 samplesPlayed() const { return m_stream.samplesRead(); }

signals:
    // The playback ended (all passes done or stopped) and the output is released.
    void finished();

private:
    bool openOutput();
    void closeOutput(bool now);
    void pace();
    void dropDueSamples();
    void outputStateChanged();
    void end();

    ToneStream m_stream;
    ToneGenerator* m_generator = nullptr;
    QAudioSink* m_sink = nullptr;
    QTimer m_pace;            // silent playback: drops samples as time passes; both: notices the end
    QElapsedTimer m_elapsed;  // silent playback: time since m_silentFrom samples were played
    qint64 m_silentFrom = 0;
    QElapsedTimer m_draining;  // the stream has ended; the output plays what it holds
    bool m_running = false;
    bool m_silent = false;
};
