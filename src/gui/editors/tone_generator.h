#pragma once

#include <QIODevice>

class ToneStream;

// The tone stream as a device the sound output pulls its samples from
// (16-bit mono, the byte order of the machine). It is sequential and has
// data while the playback lasts; once the last sound has faded it reports
// its end, and the output goes idle after playing what it holds.
class ToneGenerator : public QIODevice {
    Q_OBJECT
public:
    explicit ToneGenerator(ToneStream& stream, QObject* parent = nullptr);

    bool isSequential() const override { return true; }
    qint64 bytesAvailable() const override;

protected:
    qint64 readData(char* data, qint64 maxSize) override;
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    ToneStream& m_stream;
};
